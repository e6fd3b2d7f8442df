#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace klettra::ui {

class BusyAnimation;

/// The busy window of long operations: modeless and on top, with a small animation, a message
/// line, a progress bar and a Cancel button. Showing it clears its cancel request; Cancel (or
/// Esc, or its close box) sets the request, reports `cancelled` and closes it.
class BusyDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BusyDialog(QWidget *parent = nullptr);

    /// Shows the dialog centred over `over` with the bar at 0 of `maximum`.
    void start(const QString &message, qint64 maximum, QWidget *over);
    void setMessage(const QString &message);
    /// Restarts the bar at 0 of `maximum` (the bar keeps large counts in range).
    void setMaximum(qint64 maximum);
    void setPosition(qint64 position);
    qint64 position() const { return m_position; }
    qint64 maximum() const { return m_maximum; }
    QString message() const;

    bool cancelRequested() const { return m_cancelRequested; }

    QPushButton *cancelButton() const { return m_cancel; }

Q_SIGNALS:
    void cancelled();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void requestCancel();
    void showPosition();

    BusyAnimation *m_animation;
    QLabel *m_message;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
    qint64 m_position = 0;
    qint64 m_maximum = 0;
    bool m_cancelRequested = false;
};

} // namespace klettra::ui
