#include "livepreviewpanel.h"
#include "enginestartcheck.h"
#include "previewengine.h"
#include "previewmodule.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace lumaro {

LivePreviewPanel::LivePreviewPanel(QWidget *parent)
    : QDockWidget(tr("Live preview"), parent)
    , m_stack(new QStackedWidget(this))
    , m_messagePage(new QWidget(m_stack))
    , m_message(new QLabel(m_messagePage))
    , m_retry(new QPushButton(tr("Try again"), m_messagePage))
{
    setObjectName(QStringLiteral("LivePreviewPanel"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setMargin(12);
    m_message->setTextFormat(Qt::PlainText);
    auto *layout = new QVBoxLayout(m_messagePage);
    layout->addStretch();
    layout->addWidget(m_message);
    layout->addWidget(m_retry, 0, Qt::AlignHCenter);
    layout->addStretch();
    m_retry->hide();
    connect(m_retry, &QPushButton::clicked, this, &LivePreviewPanel::retry);
    m_stack->addWidget(m_messagePage);
    setWidget(m_stack);
    setMinimumWidth(240);
}

void LivePreviewPanel::showEvent(QShowEvent *event)
{
    QDockWidget::showEvent(event);
    createSurface();
}

QString LivePreviewPanel::failureLine() const
{
    return m_stack->currentWidget() == m_messagePage ? m_message->text() : QString();
}

void LivePreviewPanel::showFailure(const QString &line, bool canRetry)
{
    m_message->setText(line);
    m_retry->setVisible(canRetry);
    m_stack->setCurrentWidget(m_messagePage);
}

void LivePreviewPanel::createSurface()
{
    if (m_tried)
        return;
    m_tried = true;
    // Started where it cannot run, the engine ends the whole program.
    const QString refusal = EngineStartCheck::refusal();
    if (!refusal.isEmpty()) {
        showFailure(refusal, false);
        return;
    }
    QString error;
    PreviewEngine *engine = PreviewModule::engine(&error);
    if (!engine) {
        showFailure(tr("The preview cannot be shown: %1").arg(error.simplified()), true);
        return;
    }
    m_surface = engine->createSurface(m_stack);
    m_surface->onLoaded = [this](bool ok) {
        ++m_loads;
        emit loaded(ok);
    };
    m_surface->onElementActivated = [this](const QString &tagName, int position) {
        emit elementActivated(tagName, position);
    };
    m_surface->onStopped = [this](const QString &why) {
        showFailure(tr("The live preview stopped: %1.").arg(why), true);
    };
    m_stack->addWidget(m_surface->widget());
    m_stack->setCurrentWidget(m_surface->widget());
    emit surfaceReady();
}

void LivePreviewPanel::showPage(const QString &text, const QUrl &base)
{
    if (m_surface)
        m_surface->showPage(text, base);
}

void LivePreviewPanel::retry()
{
    m_retry->hide();
    if (!m_surface) {
        // The module could not be loaded: look for it again.
        PreviewModule::forgetFailure();
        m_tried = false;
        createSurface();
        return;
    }
    m_stack->setCurrentWidget(m_surface->widget());
    emit retryRequested();
}

} // namespace lumaro
