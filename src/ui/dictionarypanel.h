#pragma once

#include <QObject>

class QListWidgetItem;

namespace klettra::ui {

class TMainForm;

/// The side bar's page "Словари": every dictionary with a tick for "used in composing", buttons
/// that tick or untick them all, and the word counters of the used and of all dictionaries.
/// Ticking changes the used list at once; it is stored with the settings at close.
class DictionaryPanel : public QObject
{
    Q_OBJECT
public:
    explicit DictionaryPanel(TMainForm &window);

    /// Lists every dictionary, ticked when used, and shows both counters.
    void showSlovars();

    void ShowColUsedWords();
    void ShowColAllWords();
    void abcPicSpeedBtn1Click();
    void abcPicSpeedBtn2Click();

private:
    void UsedSlovars_CLBoxCheck(QListWidgetItem *item);
    void setAllTicked(bool ticked);

    TMainForm &m_window;
};

} // namespace klettra::ui
