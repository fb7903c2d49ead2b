#pragma once

#include "linkchecker.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class QNetworkAccessManager;
class QNetworkReply;

namespace lumaro {

/// Asks the servers of a site's external addresses whether they are there:
/// each distinct address once, with a HEAD request (a GET, ended as soon
/// as its status arrives, when the server refuses HEAD), a few at a time,
/// redirects followed. An address answered with 4xx or 5xx is an error
/// at every place it is written; one that gets no answer within the time
/// allowed is a warning (the network may be what failed).
class ExternalLinkChecker : public QObject {
    Q_OBJECT
public:
    struct Options {
        int timeoutMs = 8000; ///< per request, from the last data received
        int parallel = 6;     ///< requests in flight at once
    };

    explicit ExternalLinkChecker(QObject *parent = nullptr);
    ~ExternalLinkChecker() override;

    /// Starts asking; finished() is emitted when every address has an answer
    /// (at once, through the event loop, when there is nothing to ask).
    void start(const QList<ExternalReference> &externals, const Options &options);
    void start(const QList<ExternalReference> &externals) { start(externals, Options{}); }
    /// Stops asking; the addresses not answered yet are not reported.
    void cancel();
    bool isRunning() const { return m_running > 0 || !m_queue.isEmpty(); }
    /// The findings, in the order of the references given.
    QList<CheckProblem> problems() const;
    int asked() const { return m_asked; }

    /// Asks and waits (in a local event loop) for the answers.
    static QList<CheckProblem> checkAll(const QList<ExternalReference> &externals, const Options &options);
    static QList<CheckProblem> checkAll(const QList<ExternalReference> &externals)
    {
        return checkAll(externals, Options{});
    }

signals:
    void finished();

private:
    void askNext();
    void ask(const QString &url, bool get);
    void answered(QNetworkReply *reply);
    void settle(const QString &url, CheckLevel level, const QString &message);

    QNetworkAccessManager *m_network;
    Options m_options;
    QList<ExternalReference> m_externals;
    QStringList m_queue;
    QHash<QString, std::pair<CheckLevel, QString>> m_failed; ///< address -> finding
    int m_running = 0;
    int m_asked = 0;
    bool m_cancelled = false;
};

} // namespace lumaro
