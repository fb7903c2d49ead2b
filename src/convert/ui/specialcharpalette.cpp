#include "specialcharpalette.h"

#include "interaction.h"
#include "pagehost.h"
#include "specialchars.h"
#include "specialcharsedit.h"
#include "thtmlrichedit.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace lumaro {

namespace {

constexpr int kIconSize = 19;
constexpr int kTopRow = 2;
constexpr int kFirstLetterRow = kTopRow + Tspeccharform::kButtonSize + 6;
constexpr int kLeftRows = 28;

QPixmap blankIcon()
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A conversion button's picture: a letter and an entity with an arrow
// from the one to the other.
QIcon conversionIcon(bool toTags)
{
    QPixmap pixmap = blankIcon();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    const QRect top(0, 0, kIconSize, 8);
    const QRect bottom(0, kIconSize - 8, kIconSize, 8);
    const QString letter = QString(QChar(0xE9));
    const QString tag = QStringLiteral("&;");
    p.setPen(Qt::black);
    p.drawText(top, Qt::AlignCenter, toTags ? letter : tag);
    p.setPen(Qt::darkBlue);
    p.drawText(bottom, Qt::AlignCenter, toTags ? tag : letter);
    // A small downward triangle between the two: from the one to the other.
    const int mid = kIconSize / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::darkRed);
    const QPointF arrow[] = {{mid - 3.0, 8.5}, {mid + 3.0, 8.5}, {double(mid), 11.0}};
    p.drawPolygon(arrow, 3);
    return QIcon(pixmap);
}

} // namespace

QIcon Tspeccharform::letterIcon(const QString &letter)
{
    QPixmap pixmap = blankIcon();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, letter);
    return QIcon(pixmap);
}

Tspeccharform::Tspeccharform(PageHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setWindowFlag(Qt::FramelessWindowHint);
    m_charToTags = makeButton(conversionIcon(true), QStringLiteral("Character -> Tags"), 0, kTopRow);
    m_tagsToChar = makeButton(conversionIcon(false), QStringLiteral("Tags -> Character"), kButtonSize,
                              kTopRow);
    connect(m_charToTags, &QToolButton::clicked, this, &Tspeccharform::chartiltagsClick);
    connect(m_tagsToChar, &QToolButton::clicked, this, &Tspeccharform::tagstilcharClick);

    const QList<SpecialChars::Pair> &letters = SpecialChars::standardPairs();
    for (int i = 0; i < letters.size(); ++i) {
        const int column = i < kLeftRows ? 0 : 1;
        const int row = column == 0 ? i : i - kLeftRows;
        QToolButton *button = makeButton(letterIcon(letters[i].character), letters[i].entity,
                                         column * kButtonSize, kFirstLetterRow + row * kButtonSize);
        button->setAccessibleName(letters[i].character);
        connect(button, &QToolButton::clicked, this, [this, i] { letterClick(i); });
        m_letters.append(button);
    }
    setMinimumSize(2 * kButtonSize, kFirstLetterRow + kLeftRows * kButtonSize + 2);
    resize(minimumSize());
}

QToolButton *Tspeccharform::makeButton(const QIcon &icon, const QString &hint, int x, int y)
{
    auto *button = new QToolButton(this);
    button->setIcon(icon);
    button->setIconSize(QSize(kIconSize, kIconSize));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(x, y, kButtonSize, kButtonSize);
    return button;
}

void Tspeccharform::chartiltagsClick()
{
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor)
        return;
    QString error;
    if (!SpecialCharsEdit::chartiltags(*editor, &error))
        interaction().warning(m_host.hostWindow(), QStringLiteral("Lumaro"), error);
}

void Tspeccharform::tagstilcharClick()
{
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor)
        return;
    QString error;
    if (!SpecialCharsEdit::tagstilchar(*editor, &error))
        interaction().warning(m_host.hostWindow(), QStringLiteral("Lumaro"), error);
}

void Tspeccharform::letterClick(int index)
{
    const QList<SpecialChars::Pair> &letters = SpecialChars::standardPairs();
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor || index < 0 || index >= letters.size())
        return;
    SpecialCharsEdit::insertEntity(*editor, letters[index].entity);
}

} // namespace lumaro
