#include "livepreviewpanel.h"
#include "previewengine.h"
#include "previewmodule.h"

#include <QLabel>
#include <QStackedWidget>

namespace lumaro {

LivePreviewPanel::LivePreviewPanel(QWidget *parent)
    : QDockWidget(tr("Live preview"), parent)
    , m_stack(new QStackedWidget(this))
    , m_message(new QLabel(m_stack))
{
    setObjectName(QStringLiteral("LivePreviewPanel"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setMargin(12);
    m_stack->addWidget(m_message);
    setWidget(m_stack);
    setMinimumWidth(240);
}

void LivePreviewPanel::showEvent(QShowEvent *event)
{
    QDockWidget::showEvent(event);
    createSurface();
}

void LivePreviewPanel::createSurface()
{
    if (m_tried)
        return;
    m_tried = true;
    QString error;
    PreviewEngine *engine = PreviewModule::engine(&error);
    if (!engine) {
        m_message->setText(tr("The preview cannot be shown.\n%1").arg(error));
        return;
    }
    m_surface = engine->createSurface(m_stack);
    m_surface->onLoaded = [this](bool ok) {
        ++m_loads;
        emit loaded(ok);
    };
    m_surface->onElementActivated = [this](const QString &tagName, int index) { emit elementActivated(tagName, index); };
    m_stack->addWidget(m_surface->widget());
    m_stack->setCurrentWidget(m_surface->widget());
    emit surfaceReady();
}

void LivePreviewPanel::showPage(const QString &text, const QUrl &base)
{
    if (m_surface)
        m_surface->showPage(text, base);
}

} // namespace lumaro
