#pragma once

#include <cstdint>

#include <QObject>
#include <QString>

namespace klettra::ui {

class TMainForm;

/// The crossword file commands: load, save and save as, with the window title that names the
/// file and the counter of the "Untitled" names that Save As proposes.
class FileController : public QObject
{
    Q_OBJECT
public:
    explicit FileController(TMainForm &window);

    void ActionLoadFileExecute();
    void ActionSaveFileExecute();
    void ActionSaveAsFileExecute();

    std::uint16_t UntitledCount() const { return m_untitledCount; }

private:
    /// Writes the crossword to `path`; tells the user and returns false when that failed.
    bool save(const QString &path);

    TMainForm &m_window;
    std::uint16_t m_untitledCount = 0;
};

} // namespace klettra::ui
