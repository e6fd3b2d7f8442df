#pragma once

#include "model/board.h"

namespace klettra::model {

/// Told which board cells changed, so a view repaints only those. The default does nothing.
class ModelObserver
{
public:
    virtual ~ModelObserver() = default;
    virtual void cellsChanged(const CellRect & /*rect*/) {}
};

} // namespace klettra::model
