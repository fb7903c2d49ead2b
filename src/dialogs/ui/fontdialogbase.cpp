#include "fontdialogbase.h"
#include "colorcontrolset.h"
#include "crlftextedit.h"
#include "interaction.h"
#include "radiogroup.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

namespace {
QStringList sizeCaptions()
{
    QStringList captions;
    for (int n = 1; n <= 7; ++n)
        captions << QStringLiteral("Size = %1").arg(n);
    return captions;
}
} // namespace

FontDialogBase::FontDialogBase(FontTag::Kind kind, int helpContext, QWidget *parent)
    : TagDialog(parent, helpContext)
    , m_kind(kind)
    , m_color(new ColorControlSet(this))
    , m_size(new RadioGroup(QStringLiteral("Size"), sizeCaptions(), this))
    , m_faces(new QLineEdit(this))
    , m_selectFont(new QPushButton(QStringLiteral("Select font"), this))
{
    m_selectFont->setAutoDefault(false);
    connect(m_selectFont, &QPushButton::clicked, this, &FontDialogBase::selectFont);

    auto *colorBox = new QGroupBox(QStringLiteral("Colors"), this);
    auto *colorRow = new QHBoxLayout(colorBox);
    auto *colorLabel = new QLabel(QStringLiteral("Text Color:"), this);
    colorLabel->setBuddy(m_color);
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(m_color, 1);

    auto *faceBox = new QGroupBox(QStringLiteral("Fonts"), this);
    auto *faceRow = new QHBoxLayout(faceBox);
    m_faces->setMinimumWidth(m_faces->fontMetrics().horizontalAdvance(QStringLiteral("Arial,Courier New,Times")));
    faceRow->addWidget(m_faces, 1);
    faceRow->addWidget(m_selectFont);

    auto *left = new QVBoxLayout;
    left->addWidget(colorBox);
    left->addWidget(faceBox);
    QList<QWidget *> chain = m_color->tabWidgets() + m_size->buttons() + QList<QWidget *>{m_faces, m_selectFont};
    if (kind == FontTag::Kind::Font) {
        m_text = new CrlfTextEdit(this);
        auto *textLabel = new QLabel(QStringLiteral("Text"), this);
        textLabel->setBuddy(m_text);
        left->addWidget(textLabel);
        left->addWidget(m_text, 1);
        chain << m_text;
    } else {
        left->addStretch(1);
    }

    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(m_size);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttonBox());
    setTabChain(chain);
    setValue(FontTag(kind));
}

FontTag FontDialogBase::value() const
{
    FontTag t(m_kind);
    t.color = m_color->value();
    t.size = m_size->checkedIndex() + 1;
    t.faces = m_faces->text();
    if (m_text)
        t.text = m_text->text();
    t.after = m_after;
    return t;
}

void FontDialogBase::setValue(const FontTag &tag)
{
    m_color->setValue(tag.color);
    m_size->setCheckedIndex(qBound(1, tag.size, 7) - 1);
    m_faces->setText(tag.faces);
    if (m_text)
        m_text->setText(tag.text);
    m_after = tag.after;
}

void FontDialogBase::selectFont()
{
    QFont initial = font();
    const QString first = m_faces->text().section(QLatin1Char(','), 0, 0).trimmed();
    if (!first.isEmpty())
        initial.setFamily(first);
    if (const std::optional<QFont> chosen = interaction().font(this, initial))
        m_faces->setText(FontTag::appendFace(m_faces->text(), chosen->family()));
    m_faces->setFocus(Qt::OtherFocusReason);
}

void FontDialogBase::FormActivate()
{
    FontTag tag(m_kind);
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *FontDialogBase::firstInput() const { return m_color; }

void FontDialogBase::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
