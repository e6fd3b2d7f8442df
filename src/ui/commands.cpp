#include "ui/commands.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QStyle>
#include <QWidget>

namespace klettra::ui {

namespace {

constexpr const char *NotBuiltProperty = "klettraNotBuilt";

struct CommandEntry
{
    QAction *Commands::*member;
    const char *name;
    const char *caption;
    const char *hint; ///< nullptr: the caption
    const char *shortcut;
    bool built;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
};

// The table of every command of the main window. Captions, hints and keys are the program's
// own texts; `built` is false for commands whose windows come with later work.
const CommandEntry Entries[] = {
    {&Commands::CreateCros, "ActionCreateCros", "Создать кроссворд", nullptr, "F2", true,
     QStyle::SP_MediaPlay},
    {&Commands::LoadFile, "ActionLoadFile", "Загрузить кроссворд", nullptr, "Ctrl+L", true,
     QStyle::SP_DialogOpenButton},
    {&Commands::SaveFile, "ActionSaveFile", "Сохранить кроссворд", nullptr, "Ctrl+S", true,
     QStyle::SP_DialogSaveButton},
    {&Commands::SaveAsFile, "ActionSaveAsFile", "Сохранить кроссворд как ...",
     "Сохранить кроссворд под другим именем", nullptr, true},
    {&Commands::Print, "ActionPrint", "Печать", "Печать кроссворда", "Ctrl+P", false,
     QStyle::SP_FileDialogContentsView},
    {&Commands::PrinterSetup, "ActionPrinterSetup", "Установки печати ...", "Установки печати", nullptr,
     false},
    {&Commands::ExportHTML, "ActionExportHTML", "HTML", nullptr, nullptr, false},
    {&Commands::Options, "ActionOptions", "Настройки ...", "Настройки программы", "F7", true,
     QStyle::SP_FileDialogDetailedView},
    {&Commands::Exit, "ActionExit", "Выход", nullptr, nullptr, true},
    {&Commands::ViewEmptySetka, "ActionViewEmptySetka", "Пустая сетка", "Просморт пустой сетки", nullptr,
     true},
    {&Commands::ViewFullSetka, "ActionViewFullSetka", "Полная сетка", "Просмотр полной сетки", nullptr, true},
    {&Commands::ViewVopros, "ActionViewVopros", "Вопросы", "Просмотр вопросов", nullptr, true},
    {&Commands::ViewOtvets, "ActionViewOtvets", "Ответы", "Просмотр ответов", nullptr, true},
    {&Commands::SlovarManager, "ActionSlovarManager", "Менеджер словарей", nullptr, "F9", false,
     QStyle::SP_DirIcon},
    {&Commands::Statistica, "ActionStatistica", "Статистика словарей", nullptr, "Ctrl+F1", false,
     QStyle::SP_FileDialogInfoView},
    {&Commands::ImportWizard, "ActionImportWizard", "Импорт слов", "Мастер импорта слов", nullptr, false,
     QStyle::SP_ArrowDown},
    {&Commands::MakeSetka, "ActionMakeSetka", "Создать сетку", nullptr, "Ctrl+F2", false,
     QStyle::SP_FileDialogNewFolder},
    {&Commands::EditSetka, "ActionEditSetka", "Редактировать сетку", nullptr, "Ctrl+F3", false,
     QStyle::SP_FileDialogListView},
    {&Commands::DeleteSetka, "ActionDeleteSetka", "Удалить сетку", nullptr, "Ctrl+F8", false,
     QStyle::SP_TrashIcon},
    {&Commands::AddSetkaInNabor, "ActionAddSetkaInNabor", "Добавить в набор", nullptr, nullptr, false},
    {&Commands::Help, "ActionHelp", "Справка", nullptr, "F1", true, QStyle::SP_DialogHelpButton},
    {&Commands::ShowAuthors, "ActionShowAuthors", "Разработчики", nullptr, nullptr, true},
    {&Commands::About, "ActionAbout", "О программе", nullptr, nullptr, true,
     QStyle::SP_MessageBoxInformation},
};

} // namespace

Commands::Commands(QWidget *window)
    : QObject(window)
    , m_views(new QActionGroup(this))
{
    for (const CommandEntry &entry : Entries) {
        auto *action = new QAction(QString::fromUtf8(entry.caption), window);
        action->setObjectName(QLatin1String(entry.name));
        const QString hint = QString::fromUtf8(entry.hint ? entry.hint : entry.caption);
        action->setToolTip(hint);
        action->setStatusTip(hint);
        if (entry.shortcut)
            action->setShortcut(QKeySequence(QLatin1String(entry.shortcut)));
        if (entry.icon != QStyle::SP_CustomBase)
            action->setIcon(QApplication::style()->standardIcon(entry.icon));
        if (!entry.built) {
            action->setProperty(NotBuiltProperty, true);
            action->setEnabled(false);
        }
        window->addAction(action);
        this->*entry.member = action;
    }
    for (QAction *view : {ViewEmptySetka, ViewFullSetka, ViewVopros, ViewOtvets}) {
        view->setCheckable(true);
        m_views->addAction(view);
    }
    ViewEmptySetka->setChecked(true);
}

bool Commands::isBuilt(const QAction *action)
{
    return !action->property(NotBuiltProperty).toBool();
}

void Commands::setEnabled(std::initializer_list<QAction *> actions, bool enabled)
{
    for (QAction *action : actions)
        action->setEnabled(enabled && isBuilt(action));
}

void Commands::setMainCommandsEnabled(bool enabled)
{
    setEnabled({CreateCros, LoadFile, DeleteSetka, MakeSetka, EditSetka, SlovarManager, ImportWizard,
                Statistica, Options, About, PrinterSetup},
               enabled);
}

void Commands::atStartup()
{
    setEnabled({SaveFile, SaveAsFile, Print, ViewFullSetka, ViewVopros, ViewOtvets, AddSetkaInNabor}, false);
}

void Commands::atReset()
{
    setEnabled({SaveFile, SaveAsFile, Print}, false);
    ViewEmptySetka->setChecked(true);
    setEnabled({ViewFullSetka, ViewVopros, ViewOtvets}, false);
}

void Commands::atComposingStarted()
{
    setMainCommandsEnabled(false);
}

void Commands::atComposingEnded(bool completed)
{
    setMainCommandsEnabled(true);
    if (completed) {
        setEnabled({Print, SaveFile, SaveAsFile, ViewFullSetka, ViewVopros, ViewOtvets}, true);
        ViewFullSetka->setChecked(true);
    }
}

void Commands::atCrosLoaded()
{
    setEnabled({Print, SaveFile, SaveAsFile, ViewFullSetka, ViewVopros, ViewOtvets, AddSetkaInNabor}, true);
    setEnabled({EditSetka, DeleteSetka}, false);
}

void Commands::atTemplateBrowsed()
{
    setEnabled({EditSetka, DeleteSetka}, true);
    setEnabled({AddSetkaInNabor}, false);
}

} // namespace klettra::ui
