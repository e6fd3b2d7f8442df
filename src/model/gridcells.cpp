#include "model/gridcells.h"

namespace klettra::model {

void GridCells::writeImage(std::uint8_t *out) const
{
    for (const Cell &cell : m_cells) {
        *out++ = static_cast<std::uint8_t>(cell.Kind);
        *out++ = cell.HLen;
        *out++ = cell.VLen;
        *out++ = cell.Number;
    }
}

GridCells::Image GridCells::image() const
{
    Image image;
    writeImage(image.data());
    return image;
}

GridCells GridCells::fromImage(std::span<const std::uint8_t, ImageSize> image)
{
    GridCells cells;
    const std::uint8_t *in = image.data();
    for (Cell &cell : cells.m_cells) {
        cell.Kind = static_cast<char>(in[0]);
        cell.HLen = in[1];
        cell.VLen = in[2];
        cell.Number = in[3];
        in += CellSize;
    }
    return cells;
}

} // namespace klettra::model
