#include "tbodydialog.h"
#include "colorcombo.h"
#include "colorcontrolset.h"
#include "helpcontexts.h"
#include "updownedit.h"
#include "urlpicker.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumaro {

Tbodydialog::Tbodydialog(QWidget *parent)
    : TagDialog(parent, helpcontext::Body)
    , m_background(new QLineEdit(this))
    , m_url(new QPushButton(QStringLiteral("URL"), this))
    , m_watermark(new QCheckBox(QStringLiteral("Watermark (fixed background)"), this))
    , m_back(new ColorControlSet(this))
    , m_text(new ColorControlSet(this))
    , m_link(new ColorControlSet(this))
    , m_vlink(new ColorControlSet(this))
    , m_top(new UpDownEdit(0, 1000, this))
    , m_left(new UpDownEdit(0, 1000, this))
{
    setWindowTitle(QStringLiteral("Body"));
    const std::pair<ColorControlSet *, const char *> names[] = {
        {m_back, "back"}, {m_text, "text"}, {m_link, "link"}, {m_vlink, "vlink"}};
    for (const auto &[set, name] : names) {
        set->edit()->setObjectName(QLatin1String(name) + QLatin1String("edit"));
        set->combo()->setObjectName(QLatin1String(name) + QLatin1String("combo"));
    }
    m_top->setObjectName(QStringLiteral("topmedit"));
    m_left->setObjectName(QStringLiteral("leftmedit"));

    m_url->setAutoDefault(false);
    // The link builder may not be available.
    m_url->setEnabled(urlPicker() != nullptr);
    connect(m_url, &QPushButton::clicked, this, &Tbodydialog::urlButtonClick);

    auto *backgroundBox = new QGroupBox(QStringLiteral("Background image"), this);
    auto *backgroundGrid = new QGridLayout(backgroundBox);
    m_background->setMinimumWidth(m_background->fontMetrics().horizontalAdvance(QStringLiteral("images/background.gif")));
    backgroundGrid->addWidget(m_background, 0, 0);
    backgroundGrid->addWidget(m_url, 0, 1);
    backgroundGrid->addWidget(m_watermark, 1, 0, 1, 2);

    auto *colorBox = new QGroupBox(QStringLiteral("Colors"), this);
    auto *colorGrid = new QGridLayout(colorBox);
    const std::pair<const char *, ColorControlSet *> rows[] = {
        {"Background:", m_back}, {"Text:", m_text}, {"Link:", m_link}, {"Visited link:", m_vlink}};
    int row = 0;
    for (const auto &[caption, set] : rows) {
        auto *label = new QLabel(QLatin1String(caption), this);
        label->setBuddy(set);
        colorGrid->addWidget(label, row, 0);
        colorGrid->addWidget(set, row, 1);
        ++row;
    }

    auto *marginBox = new QGroupBox(QStringLiteral("Margins"), this);
    auto *marginRow = new QHBoxLayout(marginBox);
    const std::pair<const char *, UpDownEdit *> margins[] = {{"Top:", m_top}, {"Left:", m_left}};
    for (const auto &[caption, edit] : margins) {
        auto *label = new QLabel(QLatin1String(caption), this);
        label->setBuddy(edit);
        marginRow->addWidget(label);
        marginRow->addWidget(edit);
        marginRow->addSpacing(12);
    }
    marginRow->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(backgroundBox);
    layout->addWidget(colorBox);
    layout->addWidget(marginBox);
    layout->addWidget(buttonBox());

    setTabChain(QList<QWidget *>{m_background, m_url, m_watermark} + m_back->tabWidgets() + m_text->tabWidgets()
                + m_link->tabWidgets() + m_vlink->tabWidgets() + QList<QWidget *>{m_top, m_left});
    setValue(BodyTag());
}

BodyTag Tbodydialog::value() const
{
    BodyTag t;
    t.background = m_background->text();
    t.watermark = m_watermark->isChecked();
    t.bgcolor = m_back->value();
    t.text = m_text->value();
    t.link = m_link->value();
    t.vlink = m_vlink->value();
    t.topMargin = m_top->text();
    t.leftMargin = m_left->text();
    t.editExisting = m_editExisting;
    t.after = m_after;
    return t;
}

void Tbodydialog::setValue(const BodyTag &tag)
{
    m_background->setText(tag.background);
    m_watermark->setChecked(tag.watermark);
    m_back->setValue(tag.bgcolor);
    m_text->setValue(tag.text);
    m_link->setValue(tag.link);
    m_vlink->setValue(tag.vlink);
    m_top->setText(tag.topMargin);
    m_left->setText(tag.leftMargin);
    m_editExisting = tag.editExisting;
    m_after = tag.after;
}

void Tbodydialog::urlButtonClick()
{
    UrlPicker *picker = urlPicker();
    if (!picker)
        return;
    if (const std::optional<PickedUrl> picked = picker->pick(this, PickerMode::Image))
        m_background->setText(picked->url);
    m_watermark->setFocus(Qt::OtherFocusReason);
}

QWidget *Tbodydialog::firstInput() const { return m_background; }

} // namespace lumaro
