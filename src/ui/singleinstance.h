#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace klettra::ui {

/// Keeps the program to one running instance per user. The first instance listens on a local
/// socket named after the application title and the user; a later start connects to it, asks
/// it to bring its window forward and then ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    /// The socket name for this application title and the current user.
    static QString serverNameFor(const QString &applicationTitle);

    /// True when another instance answered and was asked to show itself; this instance should
    /// then end. Otherwise this instance becomes the one that listens.
    [[nodiscard]] bool notifyRunningInstance();

    bool isListening() const;

Q_SIGNALS:
    /// A later start asked this instance to bring its window to the front.
    void activationRequested();

private:
    void listen();
    void acceptConnections();

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};

} // namespace klettra::ui
