#include "ui/busydialog.h"

#include <algorithm>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace klettra::ui {

/// Letters of a word dropping into their cells one after another, over and over.
class BusyAnimation : public QWidget
{
public:
    explicit BusyAnimation(QWidget *parent)
        : QWidget(parent)
        , m_timer(new QTimer(this))
    {
        setFixedSize(Cells * CellSize + 1, CellSize + 1);
        m_timer->setInterval(180);
        connect(m_timer, &QTimer::timeout, this, [this] {
            m_frame = (m_frame + 1) % (Cells + 3);
            update();
        });
    }

protected:
    void showEvent(QShowEvent *) override { m_timer->start(); }
    void hideEvent(QHideEvent *) override { m_timer->stop(); }

    void paintEvent(QPaintEvent *) override
    {
        static const QString word = QStringLiteral("СЛОВО");
        QPainter painter(this);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        font.setBold(true);
        painter.setFont(font);
        for (int i = 0; i < Cells; ++i) {
            const QRect cell(i * CellSize, 0, CellSize, CellSize);
            painter.fillRect(cell, Qt::white);
            painter.setPen(QColor(128, 128, 128));
            painter.drawRect(cell);
            if (i < m_frame) {
                painter.setPen(i == 0 ? Qt::red : Qt::black);
                painter.drawText(cell, Qt::AlignCenter, word.at(i));
            }
        }
    }

private:
    static constexpr int Cells = 5;
    static constexpr int CellSize = 18;
    QTimer *m_timer;
    int m_frame = 0;
};

namespace {

// QProgressBar counts in int; huge word totals are scaled into this range.
constexpr qint64 BarRange = 1'000'000;

} // namespace

BusyDialog::BusyDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
    , m_animation(new BusyAnimation(this))
    , m_message(new QLabel(this))
    , m_bar(new QProgressBar(this))
    , m_cancel(new QPushButton(QStringLiteral("Отмена"), this))
{
    setObjectName(QStringLiteral("abcBusy2"));
    setWindowTitle(QStringLiteral("Подождите..."));
    setModal(false);
    m_message->setObjectName(QStringLiteral("BusyMessage"));
    m_message->setMinimumWidth(300);
    m_bar->setObjectName(QStringLiteral("BusyProgress"));
    m_bar->setTextVisible(false);
    m_cancel->setObjectName(QStringLiteral("BusyCancel"));
    connect(m_cancel, &QPushButton::clicked, this, &BusyDialog::requestCancel);

    auto *top = new QHBoxLayout;
    top->addWidget(m_animation);
    top->addWidget(m_message, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_bar);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void BusyDialog::start(const QString &message, qint64 maximum, QWidget *over)
{
    m_cancelRequested = false;
    setMessage(message);
    setMaximum(maximum);
    adjustSize();
    if (over) {
        const QRect frame = over->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
}

void BusyDialog::setMessage(const QString &message)
{
    m_message->setText(message);
}

QString BusyDialog::message() const
{
    return m_message->text();
}

void BusyDialog::setMaximum(qint64 maximum)
{
    m_maximum = std::max<qint64>(maximum, 0);
    m_position = 0;
    m_bar->setRange(0, int(std::min(m_maximum, BarRange)));
    showPosition();
}

void BusyDialog::setPosition(qint64 position)
{
    m_position = std::clamp<qint64>(position, 0, m_maximum);
    showPosition();
}

void BusyDialog::showPosition()
{
    const qint64 shown = m_maximum <= BarRange ? m_position : m_position * BarRange / m_maximum;
    m_bar->setValue(int(shown));
}

void BusyDialog::requestCancel()
{
    if (!isVisible())
        return;
    m_cancelRequested = true;
    hide();
    Q_EMIT cancelled();
}

void BusyDialog::reject()
{
    requestCancel();
}

void BusyDialog::closeEvent(QCloseEvent *event)
{
    if (isVisible() && !m_cancelRequested && event->spontaneous()) {
        event->ignore();
        requestCancel();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace klettra::ui
