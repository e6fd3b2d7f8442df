#include "ui/filecontroller.h"

#include <QAction>
#include <QComboBox>

#include "document/crosfile.h"
#include "document/crosfilename.h"
#include "ui/commands.h"
#include "ui/mainform.h"
#include "ui/prompter.h"
#include "ui/qtext.h"
#include "ui/sidebar.h"
#include "ui/viewcontroller.h"

namespace klettra::ui {

namespace {

const QString Filter = QStringLiteral("Кроссворды (*.crs)");
const QString Suffix = QStringLiteral("crs");

} // namespace

FileController::FileController(TMainForm &window)
    : QObject(&window)
    , m_window(window)
{
    Commands &c = window.commands();
    connect(c.LoadFile, &QAction::triggered, this, &FileController::ActionLoadFileExecute);
    connect(c.SaveFile, &QAction::triggered, this, &FileController::ActionSaveFileExecute);
    connect(c.SaveAsFile, &QAction::triggered, this, &FileController::ActionSaveAsFileExecute);
}

void FileController::ActionLoadFileExecute()
{
    // The dialogs always start in the data directory.
    const QString path = m_window.prompter().openFile(Prompter::FileRequest{
        .filter = Filter,
        .defaultSuffix = Suffix,
        .directory = fromPath(m_window.dataDir()),
    });
    if (path.isEmpty())
        return;

    m_window.ResetCrossword();
    if (!document::LoadCrosFile(toPath(path), m_window.model())) {
        m_window.prompter().error(QString::fromUtf8(document::NotCrosFileMessage.data(),
                                                    qsizetype(document::NotCrosFileMessage.size())));
        return;
    }
    m_window.setCrosFileName(path);

    m_window.setGridOutsideSet(true);
    m_window.commands().atCrosLoaded();
    m_window.ShowRehInfo();
    m_window.model().RefreshLetters(model::WholeBoard);
    m_window.views().ActionViewFullSetkaExecute();
    m_window.sideBar().CBox_View->setEnabled(true);
}

void FileController::ActionSaveFileExecute()
{
    if (m_window.CrosFileName().isEmpty())
        ActionSaveAsFileExecute();
    else
        save(m_window.CrosFileName());
}

void FileController::ActionSaveAsFileExecute()
{
    const QString path = m_window.prompter().saveFile(Prompter::FileRequest{
        .title = QStringLiteral("Сохранение кроссворда"),
        .filter = Filter,
        .defaultSuffix = Suffix,
        .directory = fromPath(m_window.dataDir()),
        .proposedName = QString::fromStdString(document::untitledName(m_untitledCount)),
    });
    if (path.isEmpty())
        return;
    m_untitledCount = document::untitledCountAfterSaveAs(m_untitledCount, path.toStdString());
    // The window names the file only once the crossword is really in it.
    if (save(path))
        m_window.setCrosFileName(path);
}

bool FileController::save(const QString &path)
{
    std::string reason;
    if (document::SaveCrosFile(m_window.model(), toPath(path), &reason))
        return true;
    QString text = QStringLiteral("Не удалось сохранить кроссворд в файл\n") + path;
    if (!reason.empty())
        text += QStringLiteral("\n\n") + QString::fromStdString(reason);
    text += QStringLiteral("\n\nНичего не записано: прежний файл, если он был, остался без изменений.");
    m_window.prompter().error(text);
    return false;
}

} // namespace klettra::ui
