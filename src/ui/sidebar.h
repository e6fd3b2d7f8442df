#pragma once

#include <QToolBox>

class QComboBox;
class QListWidget;
class QToolButton;

namespace klettra::ui {

class Commands;
class CounterLabel;
class SpinButton;

/// The side button bar with its three pages: "Сетки" (the template counters and browsing),
/// "Словари" (the dictionaries ticked for composing and the word counters) and "Кроссворд"
/// (the view selector and the compose button).
class SideBar : public QToolBox
{
    Q_OBJECT
public:
    enum Page { RehPage = 0, SlovarPage = 1, CrosPage = 2 };

    SideBar(const Commands &commands, QWidget *parent = nullptr);

    void showPage(Page page) { setCurrentIndex(page); }

    CounterLabel *RxLabel1; ///< current template number
    CounterLabel *RxLabel4; ///< number of templates
    CounterLabel *RxLabel5; ///< words in the grid
    SpinButton *SpinButton1;
    QListWidget *UsedSlovars_CLBox;
    QToolButton *abcPicSpeedBtn1; ///< tick every dictionary
    QToolButton *abcPicSpeedBtn2; ///< untick every dictionary
    CounterLabel *RxLabel2;       ///< words in the used dictionaries
    CounterLabel *RxLabel3;       ///< words in all dictionaries
    QComboBox *CBox_View;

private:
    QWidget *makeRehPage(const Commands &commands);
    QWidget *makeSlovarPage(const Commands &commands);
    QWidget *makeCrosPage(const Commands &commands);
};

} // namespace klettra::ui
