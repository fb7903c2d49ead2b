#include "tmapurl.h"

#include "imagemaphelp.h"
#include "interaction.h"
#include "mapareatexts.h"
#include "urlpicker.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumaro {

namespace {
constexpr int kFieldLength = 256;
constexpr int kStoredLength = 255;
} // namespace

Tmapurl::Tmapurl(QWidget *parent)
    : TagDialog(parent, helpcontext::MapUrl)
    , m_type(new QLabel(this))
    , m_size(new QLabel(this))
    , m_placement(new QLabel(this))
    , m_url(new QLineEdit(this))
    , m_comment(new QLineEdit(this))
    , m_urlButton(new QPushButton(QStringLiteral("URL"), this))
{
    setObjectName(QStringLiteral("mapurl"));
    setWindowTitle(QStringLiteral("Map URL"));
    m_url->setObjectName(QStringLiteral("Edit1"));
    m_comment->setObjectName(QStringLiteral("Edit2"));
    m_url->setMaxLength(kFieldLength);
    m_comment->setMaxLength(kFieldLength);
    m_type->setObjectName(QStringLiteral("typelabel"));
    m_size->setObjectName(QStringLiteral("sizelabel"));
    m_placement->setObjectName(QStringLiteral("placementlabel"));

    auto *info = new QGroupBox(QStringLiteral("Type"), this);
    auto *grid = new QGridLayout(info);
    grid->addWidget(m_type, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Size"), info), 1, 0);
    grid->addWidget(m_size, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Placement"), info), 2, 0);
    grid->addWidget(m_placement, 2, 1);
    grid->setColumnStretch(1, 1);

    auto *urlLabel = new QLabel(QStringLiteral("URL for this Selection,must be filled in"), this);
    urlLabel->setBuddy(m_url);
    auto *commentLabel = new QLabel(QStringLiteral("\"Comment\" adisional"), this);
    commentLabel->setBuddy(m_comment);
    auto *urlRow = new QHBoxLayout;
    urlRow->addWidget(m_url, 1);
    urlRow->addWidget(m_urlButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(urlLabel);
    layout->addLayout(urlRow);
    layout->addWidget(commentLabel);
    layout->addWidget(m_comment);
    layout->addWidget(buttonBox());
    m_url->setMinimumWidth(320);

    connect(m_urlButton, &QPushButton::clicked, this, &Tmapurl::URLButtonClick);
    setTabChain({m_url, m_urlButton, m_comment});
}

void Tmapurl::setValue(const MapArea &area)
{
    m_type->setText(MapAreaTexts::type(area));
    m_size->setText(MapAreaTexts::size(area));
    m_placement->setText(MapAreaTexts::placement(area));
    m_url->setText(area.url);
    m_comment->setText(area.comment);
}

QString Tmapurl::url() const { return m_url->text().left(kStoredLength); }
QString Tmapurl::comment() const { return m_comment->text().left(kStoredLength); }

void Tmapurl::FormActivate()
{
    // The picker may come and go while the program runs.
    m_urlButton->setEnabled(urlPicker() != nullptr);
}

QWidget *Tmapurl::firstInput() const { return m_url; }

bool Tmapurl::refuse(QWidget *field, const QString &text)
{
    interaction().message(this, {QStringLiteral("Fejl"), text, QMessageBox::Ok, QMessageBox::Warning});
    field->setFocus(Qt::OtherFocusReason);
    return false;
}

void Tmapurl::accept()
{
    if (m_url->text().isEmpty())
        return void(refuse(m_url, QStringLiteral("Skal udfyleds")));
    // A quote would end the HREF value and "-->" the comment early, and the
    // map would not read back.
    if (m_url->text().contains(u'"'))
        return void(refuse(m_url, QStringLiteral("The URL cannot hold a double quote (\")")));
    if (m_comment->text().contains(QStringLiteral("-->")))
        return void(refuse(m_comment, QStringLiteral("The comment cannot hold \"-->\"")));
    TagDialog::accept();
}

void Tmapurl::URLButtonClick()
{
    UrlPicker *picker = urlPicker();
    if (!picker)
        return;
    if (const std::optional<PickedUrl> picked = picker->pick(this, PickerMode::Link)) {
        m_url->setText(picked->url);
        m_comment->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace lumaro
