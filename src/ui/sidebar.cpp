#include "ui/sidebar.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/commands.h"
#include "ui/counterlabel.h"
#include "ui/spinbutton.h"

namespace klettra::ui {

namespace {

constexpr int SmallCounterPixels = 19;
constexpr int LargeCounterPixels = 24;

QGroupBox *group(const QString &title, QWidget *content, QWidget *parent, QWidget *beside = nullptr)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->addStretch(1);
    layout->addWidget(content);
    if (beside)
        layout->addWidget(beside);
    layout->addStretch(1);
    return box;
}

/// A push button that runs a command and follows its state.
QToolButton *commandButton(QAction *action, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumSize(140, 23);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

QToolButton *smallButton(const QString &name, const QString &text, const QString &hint, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QVBoxLayout *pageLayout(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(4);
    return layout;
}

CounterLabel *counter(const char *name, QColor colour, int pixels, QWidget *parent)
{
    auto *label = new CounterLabel(colour, pixels, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

SideBar::SideBar(const Commands &commands, QWidget *parent)
    : QToolBox(parent)
{
    setObjectName(QStringLiteral("abcButtonBar1"));
    addItem(makeRehPage(commands), QStringLiteral("Сетки"));
    addItem(makeSlovarPage(commands), QStringLiteral("Словари"));
    addItem(makeCrosPage(commands), QStringLiteral("Кроссворд"));
    // The pages are laid out for the bar's width; a sideways scroll bar would only hide part of them.
    for (QScrollArea *area : findChildren<QScrollArea *>())
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A group's title would otherwise claim its full width even where the frame has less room.
    for (QGroupBox *box : findChildren<QGroupBox *>())
        box->setMinimumWidth(1);
}

QWidget *SideBar::makeRehPage(const Commands &commands)
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("RehButtonPage"));
    RxLabel1 = counter("RxLabel1", Qt::blue, SmallCounterPixels, page);
    RxLabel4 = counter("RxLabel4", Qt::blue, SmallCounterPixels, page);
    RxLabel5 = counter("RxLabel5", Qt::blue, SmallCounterPixels, page);
    SpinButton1 = new SpinButton(page);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));

    auto *layout = pageLayout(page);
    layout->addWidget(group(QStringLiteral("Номер сетки"), RxLabel1, page, SpinButton1));
    layout->addWidget(group(QStringLiteral("Всего сеток"), RxLabel4, page));
    layout->addWidget(group(QStringLiteral("Слов в сетке"), RxLabel5, page));
    layout->addWidget(commandButton(commands.AddSetkaInNabor, page));
    layout->addStretch(1);
    return page;
}

QWidget *SideBar::makeSlovarPage(const Commands &commands)
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("SlovarButtonPage"));

    auto *choice = new QGroupBox(QStringLiteral("Выбор словарей"), page);
    abcPicSpeedBtn1 = smallButton(QStringLiteral("abcPicSpeedBtn1"), QStringLiteral("Все"),
                                  QStringLiteral("Отметить все словари"), choice);
    abcPicSpeedBtn2 = smallButton(QStringLiteral("abcPicSpeedBtn2"), QStringLiteral("Ни одного"),
                                  QStringLiteral("Снять отметки со всех словарей"), choice);
    UsedSlovars_CLBox = new QListWidget(choice);
    UsedSlovars_CLBox->setObjectName(QStringLiteral("UsedSlovars_CLBox"));
    auto *tickButtons = new QHBoxLayout;
    tickButtons->addWidget(abcPicSpeedBtn1);
    tickButtons->addWidget(abcPicSpeedBtn2);
    tickButtons->addStretch(1);
    auto *choiceLayout = new QVBoxLayout(choice);
    choiceLayout->setContentsMargins(4, 2, 4, 4);
    choiceLayout->addLayout(tickButtons);
    choiceLayout->addWidget(UsedSlovars_CLBox, 1);
    choiceLayout->addWidget(commandButton(commands.SlovarManager, choice));

    RxLabel2 = counter("RxLabel2", Qt::red, LargeCounterPixels, page);
    RxLabel3 = counter("RxLabel3", Qt::blue, LargeCounterPixels, page);

    auto *layout = pageLayout(page);
    layout->addWidget(choice, 1);
    layout->addWidget(group(QStringLiteral("Слов в используемых словарях"), RxLabel2, page));
    layout->addWidget(group(QStringLiteral("Слов во всех словарях"), RxLabel3, page));
    return page;
}

QWidget *SideBar::makeCrosPage(const Commands &commands)
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("CrosButtonPage"));
    CBox_View = new QComboBox(page);
    CBox_View->setObjectName(QStringLiteral("CBox_View"));
    CBox_View->addItems({QStringLiteral("Пустая сетка"), QStringLiteral("Полная сетка"),
                         QStringLiteral("Вопросы"), QStringLiteral("Ответы")});
    auto *view = new QGroupBox(QStringLiteral("Просмотр"), page);
    auto *viewLayout = new QVBoxLayout(view);
    viewLayout->addWidget(CBox_View);

    auto *layout = pageLayout(page);
    layout->addWidget(view);
    layout->addWidget(commandButton(commands.CreateCros, page));
    layout->addStretch(1);
    return page;
}

} // namespace klettra::ui
