#include "ui/dictionarypanel.h"

#include <algorithm>

#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>

#include "dictionaries/slovarfiles.h"
#include "ui/counterlabel.h"
#include "ui/mainform.h"
#include "ui/sidebar.h"

namespace klettra::ui {

namespace {

QString nameOf(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

DictionaryPanel::DictionaryPanel(TMainForm &window)
    : QObject(&window)
    , m_window(window)
{
    SideBar &bar = window.sideBar();
    connect(bar.UsedSlovars_CLBox, &QListWidget::itemChanged, this, &DictionaryPanel::UsedSlovars_CLBoxCheck);
    connect(bar.abcPicSpeedBtn1, &QToolButton::clicked, this, &DictionaryPanel::abcPicSpeedBtn1Click);
    connect(bar.abcPicSpeedBtn2, &QToolButton::clicked, this, &DictionaryPanel::abcPicSpeedBtn2Click);
}

void DictionaryPanel::showSlovars()
{
    QListWidget *list = m_window.sideBar().UsedSlovars_CLBox;
    const QSignalBlocker quiet(list);
    list->clear();
    QStringList names;
    for (const std::string &name : m_window.AllSlovars())
        names << nameOf(name);
    names.sort();
    const auto &used = m_window.settings().UsedSlovars;
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const bool ticked = std::find(used.begin(), used.end(), name.toStdString()) != used.end();
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    ShowColUsedWords();
    ShowColAllWords();
}

void DictionaryPanel::UsedSlovars_CLBoxCheck(QListWidgetItem *item)
{
    auto &used = m_window.settings().UsedSlovars;
    const std::string name = item->text().toStdString();
    const auto found = std::find(used.begin(), used.end(), name);
    if (item->checkState() == Qt::Checked && found == used.end())
        used.push_back(name);
    else if (item->checkState() != Qt::Checked && found != used.end())
        used.erase(found);
    ShowColUsedWords();
}

void DictionaryPanel::abcPicSpeedBtn1Click()
{
    m_window.settings().UsedSlovars = m_window.AllSlovars();
    setAllTicked(true);
    ShowColUsedWords();
}

void DictionaryPanel::abcPicSpeedBtn2Click()
{
    m_window.settings().UsedSlovars.clear();
    setAllTicked(false);
    ShowColUsedWords();
}

void DictionaryPanel::setAllTicked(bool ticked)
{
    QListWidget *list = m_window.sideBar().UsedSlovars_CLBox;
    const QSignalBlocker quiet(list);
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void DictionaryPanel::ShowColUsedWords()
{
    SideBar &bar = m_window.sideBar();
    const auto &used = m_window.settings().UsedSlovars;
    bar.RxLabel2->setNumber(dictionaries::CountUsedWords(m_window.dataDir(), used));
    bar.abcPicSpeedBtn1->setEnabled(used.size() != m_window.AllSlovars().size());
    bar.abcPicSpeedBtn2->setEnabled(!used.empty());
}

void DictionaryPanel::ShowColAllWords()
{
    m_window.sideBar().RxLabel3->setNumber(
        dictionaries::CountAllWords(m_window.dataDir(), m_window.AllSlovars()));
}

} // namespace klettra::ui
