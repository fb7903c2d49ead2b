#include "externallinkchecker.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
#include <QTimer>

namespace lumaro {

namespace {
const char *const kUrlProperty = "lumaroUrl";
const char *const kGetProperty = "lumaroGet";
const char *const kStatusProperty = "lumaroStatus";
const char *const kReasonProperty = "lumaroReason";

int statusOf(const QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}
} // namespace

ExternalLinkChecker::ExternalLinkChecker(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
}

ExternalLinkChecker::~ExternalLinkChecker()
{
    cancel();
}

void ExternalLinkChecker::start(const QList<ExternalReference> &externals, const Options &options)
{
    cancel();
    m_cancelled = false;
    m_options = options;
    m_externals = externals;
    m_failed.clear();
    m_queue.clear();
    m_asked = 0;
    QSet<QString> seen;
    for (const ExternalReference &e : externals)
        if (!seen.contains(e.url)) {
            seen.insert(e.url);
            m_queue.append(e.url);
        }
    if (m_queue.isEmpty()) {
        QTimer::singleShot(0, this, &ExternalLinkChecker::finished);
        return;
    }
    askNext();
}

void ExternalLinkChecker::cancel()
{
    m_cancelled = true;
    m_queue.clear();
    const QList<QNetworkReply *> replies = m_network->findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies)
        reply->abort();
    m_running = 0;
}

void ExternalLinkChecker::askNext()
{
    while (m_running < std::max(1, m_options.parallel) && !m_queue.isEmpty())
        ask(m_queue.takeFirst(), false);
}

void ExternalLinkChecker::ask(const QString &url, bool get)
{
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setTransferTimeout(m_options.timeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Lumaro link check"));
    QNetworkReply *reply = get ? m_network->get(request) : m_network->head(request);
    reply->setProperty(kUrlProperty, url);
    reply->setProperty(kGetProperty, get);
    ++m_running;
    ++m_asked;
    if (get) {
        // Only the status matters: the body is not fetched.
        connect(reply, &QNetworkReply::metaDataChanged, this, [reply] {
            const int status = statusOf(reply);
            if (status >= 200 && (status < 300 || status >= 400)) {
                reply->setProperty(kStatusProperty, status);
                reply->setProperty(kReasonProperty, reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute));
                reply->abort();
            }
        });
    }
    connect(reply, &QNetworkReply::finished, this, [this, reply] { answered(reply); });
}

void ExternalLinkChecker::answered(QNetworkReply *reply)
{
    reply->deleteLater();
    if (m_cancelled)
        return;
    --m_running;
    const QString url = reply->property(kUrlProperty).toString();
    const bool get = reply->property(kGetProperty).toBool();
    const QVariant kept = reply->property(kStatusProperty);
    const int status = kept.isValid() ? kept.toInt() : statusOf(reply);
    const QString reason = (kept.isValid() ? reply->property(kReasonProperty)
                                           : reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute))
                               .toString();
    if (!get && (status == 405 || status == 501)) {
        // The server refuses HEAD: ask again with GET.
        --m_asked;
        ask(url, true);
        return;
    }
    if (status >= 400) {
        settle(url, CheckLevel::Error,
               QStringLiteral("external link \"%1\" answers %2 %3").arg(url).arg(status).arg(reason).trimmed());
    } else if (status < 200) {
        const QString why = reply->error() == QNetworkReply::OperationCanceledError
                                || reply->error() == QNetworkReply::TimeoutError
            ? QStringLiteral("no answer in time") : reply->errorString();
        settle(url, CheckLevel::Warning, QStringLiteral("external link \"%1\" gives no answer: %2").arg(url, why));
    }
    askNext();
    if (m_running == 0 && m_queue.isEmpty())
        emit finished();
}

void ExternalLinkChecker::settle(const QString &url, CheckLevel level, const QString &message)
{
    m_failed.insert(url, {level, message});
}

QList<CheckProblem> ExternalLinkChecker::problems() const
{
    QList<CheckProblem> found;
    for (const ExternalReference &e : m_externals) {
        const auto it = m_failed.constFind(e.url);
        if (it == m_failed.constEnd())
            continue;
        CheckProblem p = e.where;
        p.level = it->first;
        p.message = it->second;
        found.append(p);
    }
    return found;
}

QList<CheckProblem> ExternalLinkChecker::checkAll(const QList<ExternalReference> &externals, const Options &options)
{
    ExternalLinkChecker checker;
    QEventLoop loop;
    connect(&checker, &ExternalLinkChecker::finished, &loop, &QEventLoop::quit);
    checker.start(externals, options);
    if (checker.isRunning() || !externals.isEmpty())
        loop.exec();
    return checker.problems();
}

} // namespace lumaro
