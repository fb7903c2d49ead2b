#include "thtmlrichedit.h"

#include "colordocument.h"
#include "colorformats.h"
#include "colorsettings.h"
#include "droptext.h"
#include "imagereaders.h"
#include "installdir.h"
#include "interaction.h"
#include "pagecolouring.h"
#include "projectfile.h"
#include "textreplacer.h"
#include "tregini.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

namespace lumaro {

namespace {

/// The hourglass while a long operation selects and formats text.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        return false;
    }
}

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

/// The modifier keys that count for the Enter routines, compared as a set.
Qt::KeyboardModifiers modifierSet(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

/// The first local file of a drag, or empty.
QString firstLocalFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return QString();
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return QString();
    return urls.first().toLocalFile();
}

} // namespace

thtmlrichedit::thtmlrichedit(QWidget *parent)
    : RichEdit(parent)
    , m_colouring(new PageColouring(document()))
{
    // Tags are coloured as the page is shown: a "<" or ">" typed may change
    // the look of lines below the one typed in.
    connect(m_colouring, &PageColouring::lookChanged, viewport(), qOverload<>(&QWidget::update));
    // Mouse moves keep the Cut/Copy/Paste buttons in step, also without a
    // button held.
    viewport()->setMouseTracking(true);
    setAcceptDrops(true);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &thtmlrichedit::updateCursorPositionText);
    connect(this, &QPlainTextEdit::copyAvailable, this, &thtmlrichedit::cutCopyAvailable);
    // Whether the clipboard holds text is asked only when a mouse move needs
    // it, and asked again after the clipboard changed.
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, [this] { m_clipboardKnown = false; });
    m_cursorText = skrivcursorpos();
}

thtmlrichedit::~thtmlrichedit() = default;

thtmlrichedit::TypingMarks &thtmlrichedit::typingMarks()
{
    static TypingMarks marks;
    return marks;
}

// ---- Loading and colouring ---------------------------------------------------

bool thtmlrichedit::loadcolored(const QString &fileName, QString *error)
{
    const TextFileResult file = TextFile::read(fileName);
    if (!file.ok) {
        if (error)
            *error = file.error;
        return false;
    }
    if (!loadcoloredText(file.text, error))
        return false;
    m_fileFormat = file.format;
    return true;
}

bool thtmlrichedit::loadcoloredText(const QString &text, QString *error)
{
    const ColorSettings settings = ColorSettings::read();
    const ColorDocument document = ColorDocument::build(text, settings, false);

    // The colouring file is rewritten on every load and stays on disk.
    const QString path = InstallDir::file(QStringLiteral("color.rtf"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(document.rtfDocument) != document.rtfDocument.size()
        || !file.commit()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    applyColorDocument(document, settings);
    return true;
}

void thtmlrichedit::applyColorDocument(const ColorDocument &document, const ColorSettings &settings)
{
    // The page holds the plain text; its tags take their look from the
    // colouring as they are shown, by the same rule as the colouring file.
    QTextDocument *doc = this->document();
    doc->setUndoRedoEnabled(false);
    m_colouring->setSettings(settings);
    // The page font of the colouring file, for the loaded text and for what
    // is typed into it.
    CharAttributes font = defaultAttributes();
    font.face = settings.fontName;
    font.pointSize = int(ColorFormats::pointSizeOf(settings.fontSize));
    setDefaultAttributes(font);
    setPageText(document.text);
    doc->setUndoRedoEnabled(true);
    doc->setModified(false);
    restoreCaret(0);
}

void thtmlrichedit::color()
{
    const ColorSettings settings = ColorSettings::read();
    if (!settings.usecolor)
        return;
    m_colouring->setSettings(settings);
    viewport()->update();
}

void thtmlrichedit::resetFormats()
{
    // Every tag shows the default look until the next recolour; the text
    // itself carries no colours, so nothing else changes.
    ColorSettings plain = ColorSettings::read();
    plain.usecolor = false;
    plain.usefontattr = false;
    m_colouring->setSettings(plain);
    viewport()->update();
}

void thtmlrichedit::followColourSettings()
{
    if (m_colouring->follow(ColorSettings::read()))
        viewport()->update();
}

void thtmlrichedit::highlight(QChar Key)
{
    if (!tregini().readusecolor())
        return;
    followColourSettings();
    markonfly(Key);
}

void thtmlrichedit::markonfly(QChar Key)
{
    const QTextCursor keep = textCursor();
    const int caret = keep.selectionStart();
    const int line = lineFromChar(caret);
    const int lastLine = lineCount() - 1;
    if (Key == u'>') {
        const int firstLine = line > 0 ? line - 1 : line;
        int FromPos = lineIndex(firstLine);
        int ToPos = caret;
        const int lineStart = lineIndex(line);
        markonflygr(scanWindow(FromPos, caret + 1, lineStart + lineLength(lineStart), false), FromPos, ToPos);
    } else {
        const int toLine = line < lastLine ? line + 1 : line;
        const int toStart = lineIndex(toLine);
        int ToPos = toStart + lineLength(toStart);
        int FromPos = caret;
        markonflyle(scanWindow(caret, ToPos, ToPos, true), FromPos, ToPos);
    }
    QTextCursor fresh(document());
    fresh.setPosition(keep.anchor());
    fresh.setPosition(keep.position(), QTextCursor::KeepAnchor);
    setTextCursor(fresh);
}

void thtmlrichedit::markonflyle(const TextWindow &Buffer, int &FromPos, int &ToPos)
{
    if (const auto range = TagRanges::markonflyle(Buffer, FromPos, ToPos))
        markertext(range->from, range->to);
}

void thtmlrichedit::markonflygr(const TextWindow &Buffer, int &FromPos, int &ToPos)
{
    if (const auto range = TagRanges::markonflygr(Buffer, FromPos, ToPos))
        markertext(range->from, range->to);
}

void thtmlrichedit::markertext(int FromPos, int ToPos)
{
    const int from = qBound(0, FromPos, textLength());
    const int to = qBound(from, ToPos, textLength());
    if (to <= from)
        return;
    // The range shows its tag's look from the colouring as soon as it is
    // painted; the blocks it spans are brought up to date now.
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next())
        m_colouring->applyTo(block);
}

QColor thtmlrichedit::setcolorattr(const QString &Text) const
{
    return ColorSettings::read().colorOf(TagClassifier::classify(Text, true));
}

FontStyle thtmlrichedit::settextattr(const QString &Text) const
{
    return ColorSettings::read().styleOf(TagClassifier::classify(Text, false));
}

QString thtmlrichedit::rtfcolorcode(const QString &Prefix)
{
    return ColorSettings::read().rtfcolorcode(Prefix);
}

QString thtmlrichedit::rtfattrcode(const QString &Prefix)
{
    return ColorSettings::read().rtfattrcode(Prefix);
}

// ---- Editor services -----------------------------------------------------------

QTextCharFormat thtmlrichedit::defaultCharFormat() const
{
    return toCharFormat(defaultAttributes());
}

void thtmlrichedit::replaceSelection(const QString &text)
{
    typingMarks().attrResetPending = true;
    if (!ColorSettings::read().usecolor) {
        replaceSel(text);
        return;
    }
    followColourSettings();
    // The inserted text comes in with the default format; its tags show
    // their colours from the colouring.
    QTextCursor cursor = textCursor();
    insertPageText(cursor, toDocumentText(text), defaultCharFormat());
    restoreCaret(cursor.position());
    ensureCursorVisible();
}

void thtmlrichedit::cursorhere()
{
    const QString marker = QStringLiteral("<CursorHere>");
    // The marker is searched as a whole word with matching case. It begins
    // and ends with a bracket, so a word boundary lies at both its ends
    // wherever it stands ("Hello<CursorHere>" included): a case-sensitive
    // search is all that is left of the whole-word condition.
    const int at = findText(marker, selStart(), -1, false, true);
    if (at < 0)
        return;
    QTextCursor cursor = textCursor();
    cursor.setPosition(at);
    cursor.setPosition(at + int(marker.size()), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

int thtmlrichedit::replace(bool WholeWord, bool MatchCase, bool AllOpenFiles, bool WholeProject,
                           bool FromCursor, bool EntireScope, const QString &FindText,
                           const QString &ReplaceText, const QByteArray &ProjectList)
{
    Q_UNUSED(AllOpenFiles);
    Q_UNUSED(FromCursor);
    m_replaceFailed = false;
    // An empty find text would match everywhere without ever advancing.
    if (FindText.isEmpty())
        return 0;
    BusyCursor busy;
    const QString find = toDocumentText(FindText);
    const QString replacement = toDocumentText(ReplaceText);
    if (WholeProject)
        return replaceInProject(find, replacement, WholeWord, MatchCase, ProjectList);

    const int from = EntireScope ? 0 : selStart();
    const QString text = pageText();
    const QList<qsizetype> matches = TextReplacer::matches(text, from, find, replacement, WholeWord, MatchCase);
    if (matches.isEmpty()) {
        if (EntireScope)
            restoreCaret(0);
        return 0;
    }
    // Replacements come in uncoloured; no colouring runs.
    const QTextCharFormat plain = defaultCharFormat();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    qsizetype delta = 0;
    for (const qsizetype m : matches) {
        cursor.setPosition(int(m + delta));
        cursor.setPosition(int(m + delta + find.size()), QTextCursor::KeepAnchor);
        insertPageText(cursor, replacement, plain);
        delta += replacement.size() - find.size();
    }
    cursor.endEditBlock();
    restoreCaret(cursor.position());
    return int(matches.size());
}

int thtmlrichedit::replaceInProject(const QString &find, const QString &replacement, bool wholeWord,
                                    bool matchCase, const QByteArray &projectList)
{
    int count = 0;
    for (const ProjectRecord &record : ProjectFile::records(projectList)) {
        const QString &path = record.path;
        // A page never saved is recorded by its untitled name: no file yet.
        if (path.isEmpty() || (!path.contains(u'/') && !path.contains(u'\\')))
            continue;
        const TextFileResult file = TextFile::read(path);
        if (!file.ok) {
            m_replaceFailed = true;
            interaction().warning(messageParent(), QStringLiteral("Lumaro"),
                                  QStringLiteral("Cannot read %1\n%2").arg(QDir::toNativeSeparators(path), file.error));
            break;
        }
        const QString text = toDocumentText(file.text);
        const QList<qsizetype> matches = TextReplacer::matches(text, 0, find, replacement, wholeWord, matchCase);
        if (matches.isEmpty())
            continue;
        const QString changed = TextReplacer::apply(text, matches, find.size(), replacement);
        QString error;
        if (!TextFile::write(path, changed, file.format, &error)) {
            m_replaceFailed = true;
            interaction().warning(messageParent(), QStringLiteral("Lumaro"),
                                  QStringLiteral("Cannot write %1\n%2").arg(QDir::toNativeSeparators(path), error));
            break;
        }
        count += int(matches.size());
    }
    return count;
}

QWidget *thtmlrichedit::messageParent()
{
    return window();
}

void thtmlrichedit::setProjectPathProvider(std::function<QString()> provider)
{
    m_projectPath = std::move(provider);
}

void thtmlrichedit::setPathToUrl(std::function<QString(const QString &)> convert)
{
    m_pathToUrl = std::move(convert);
}

void thtmlrichedit::dropFile(const QString &fileName)
{
    const QString ext = DropText::extension(fileName);
    if (ext == QLatin1String(".gif") || ext == QLatin1String(".jpg")) {
        const bool projectOpen = m_projectPath && !m_projectPath().isEmpty();
        const QString src = projectOpen && m_pathToUrl ? m_pathToUrl(fileName) : DropText::fileName(fileName);
        int width = 0;
        int height = 0;
        if (ext == QLatin1String(".gif")) {
            readGifSize(fileName, width, height);
        } else {
            bool jfif = false;
            readJpegSize(fileName, width, height, jfif);
        }
        replaceSelection(DropText::imageTag(src, width, height));
        setFocus();
        return;
    }
    if (ext == QLatin1String(".url")) {
        const TextFileResult file = TextFile::read(fileName);
        if (!file.ok) {
            interaction().warning(messageParent(), QStringLiteral("Lumaro"),
                                  QStringLiteral("Cannot read %1\n%2").arg(QDir::toNativeSeparators(fileName), file.error));
            return;
        }
        const std::optional<QString> url = DropText::shortcutUrl(file.text);
        if (!url) {
            interaction().warning(messageParent(), QStringLiteral("Lumaro"),
                                  QStringLiteral("No URL= line in %1").arg(QDir::toNativeSeparators(fileName)));
            return;
        }
        const QString title = DropText::title(fileName);
        replaceSelection(DropText::anchorTag(*url, title));
        const int start = caretPosition() - int(title.size() + 4);
        setSelection(start, int(title.size()));
        setFocus();
        return;
    }
    if (ext == QLatin1String(".lmp")) {
        emit projectFileDropped(fileName);
        return;
    }
    // The path is passed as it is: lower-casing it would name another file on
    // a case-sensitive file system.
    emit openFileRequested(fileName);
}

// ---- Editing keys, clipboard and cursor position --------------------------------

void thtmlrichedit::RichEdit1KeyPress(QChar Key)
{
    TypingMarks &marks = typingMarks();
    if (Key == u'<') {
        marks.attrResetPending = true;
        marks.tagOpen = true;
    } else {
        marks.tagOpen = false;
    }
    if (marks.attrResetPending) {
        marks.attrResetPending = false;
        typingFormatCheck();
    }
    if (Key == u'>') {
        marks.attrResetPending = true;
        highlight(Key);
    }
}

void thtmlrichedit::richedit0KeyDown(int, Qt::KeyboardModifiers)
{
}

void thtmlrichedit::richedit0KeyUp(int Key, Qt::KeyboardModifiers Shift)
{
    if (isEnterKey(Key)) {
        const Qt::KeyboardModifiers set = modifierSet(Shift);
        if (set == Qt::ShiftModifier)
            brvedreturn();
        else if (set == Qt::ControlModifier)
            brudenreturn();
        else if (set == Qt::AltModifier)
            lavparagraphcr();
        else if (set == (Qt::ShiftModifier | Qt::AltModifier))
            lavparagraph();
    }
    updateCursorPositionText();
    TypingMarks &marks = typingMarks();
    if (isNavigationKey(Key))
        marks.attrResetPending = true;
    if (marks.tagOpen) {
        highlight(u'<');
        marks.tagOpen = false;
    }
    if (marks.attrResetPending) {
        marks.attrResetPending = false;
        typingFormatCheck();
    }
}

void thtmlrichedit::richeditMouseDown()
{
    updateCursorPositionText();
    if (!textCursor().hasSelection())
        typingFormatCheck();
}

void thtmlrichedit::richedit0MouseMove()
{
    kancutogcopy();
    if (!m_clipboardKnown) {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        m_clipboardHasText = data && data->hasText();
        m_clipboardKnown = true;
    }
    emit pasteAvailable(m_clipboardHasText);
}

namespace {

/// True when the caret stands just after a line break (the one the editor
/// inserted for the Enter key being released).
bool afterLineBreak(const RichEdit &editor, const QTextCursor &cursor)
{
    return editor.isLineStart(cursor.position());
}

} // namespace

void thtmlrichedit::brvedreturn()
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection() || !afterLineBreak(*this, cursor))
        return;
    setCaretPosition(cursor.position() - 1);
    replaceSelection(QStringLiteral("<BR>"));
    setCaretPosition(caretPosition() + 1);
}

void thtmlrichedit::brudenreturn()
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection() || !afterLineBreak(*this, cursor))
        return;
    setSelection(cursor.position() - 1, 1);
    replaceSelection(QStringLiteral("<BR>"));
}

void thtmlrichedit::lavparagraphcr()
{
    replaceSelection(QStringLiteral("\r\n<P>"));
}

void thtmlrichedit::lavparagraph()
{
    replaceSelection(QStringLiteral("<P>"));
}

void thtmlrichedit::editcut()
{
    cut();
}

void thtmlrichedit::editcopy()
{
    copy();
}

void thtmlrichedit::editpaste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    // A hidden scratch editor with the page font colours the pasted text;
    // its coloured copy goes to the clipboard and from there into the page.
    thtmlrichedit scratch;
    const tregini settings;
    CharAttributes font = scratch.defaultAttributes();
    font.face = settings.readfontname();
    if (settings.readfontsize() > 0)
        font.pointSize = settings.readfontsize();
    scratch.setDefaultAttributes(font);
    scratch.clearAll();
    scratch.replaceSel(text);
    scratch.color();
    scratch.selectAll();
    scratch.copy();

    followColourSettings();
    QTextCursor cursor = textCursor();
    insertPageText(cursor, toDocumentText(text), defaultCharFormat());
    setTextCursor(cursor);
    ensureCursorVisible();
    typingMarks().attrResetPending = true;
    setFocus();
}

void thtmlrichedit::insertColoured(const QString &text)
{
    followColourSettings();
    QTextCursor cursor = textCursor();
    insertPageText(cursor, toDocumentText(text), defaultCharFormat());
    restoreCaret(cursor.position());
    ensureCursorVisible();
    typingMarks().attrResetPending = true;
}

void thtmlrichedit::kancutogcopy()
{
    emit cutCopyAvailable(textCursor().hasSelection());
}

QPoint thtmlrichedit::cursorpos() const
{
    const int position = selStart();
    const int line = lineFromChar(position);
    return QPoint(position - qMax(0, lineIndex(line)), line);
}

QString thtmlrichedit::skrivcursorpos() const
{
    const QPoint at = cursorpos();
    return QStringLiteral("   %1: %2").arg(at.y() + 1).arg(at.x() + 1);
}

void thtmlrichedit::updateCursorPositionText()
{
    const QString text = skrivcursorpos();
    if (text == m_cursorText)
        return;
    m_cursorText = text;
    emit cursorPositionTextChanged(text);
}

void thtmlrichedit::typingFormatCheck()
{
    // A selection is left as it is: giving it the plain format would strip
    // the colours of a tag selected with the keyboard.
    if (textCursor().hasSelection())
        return;
    const int position = selStart();
    const QChar before = position > 0 ? document()->characterAt(position - 1) : QChar();
    if (before == u'>' || document()->isEmpty())
        setCurrentCharFormat(defaultCharFormat());
}

void thtmlrichedit::applySettings()
{
    const tregini settings;
    setLineWrapMode(settings.readwordwrap() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);

    const QString name = settings.readfontname();
    const int size = settings.readfontsize();
    CharAttributes font = defaultAttributes();
    const bool changed = font.face != name || (size > 0 && font.pointSize != size);
    font.face = name;
    if (size > 0)
        font.pointSize = size;

    const bool modified = isModified();
    const QTextCursor keep = textCursor();
    // Setting the default attributes formats a selection; keep it out.
    restoreCaret(keep.position());
    setDefaultAttributes(font);
    if (changed && !document()->isEmpty()) {
        QTextCharFormat pageFont;
        pageFont.setFontFamilies(QStringList{name});
        if (size > 0)
            pageFont.setFontPointSize(ColorFormats::pointSizeOf(size));
        QTextCursor all(document());
        all.select(QTextCursor::Document);
        all.mergeCharFormat(pageFont);
    }
    QTextCursor fresh(document());
    fresh.setPosition(keep.anchor());
    fresh.setPosition(keep.position(), QTextCursor::KeepAnchor);
    setTextCursor(fresh);
    setModified(modified);
}

TextWindow thtmlrichedit::scanWindow(int from, int to, int limit, bool forward) const
{
    // The typing scans stop at the first bracket they meet from the caret,
    // so the window grows from the caret until it holds one or spans
    // from..to: a long line is not copied for every key.
    const int end = qMin(to, limit);
    for (int span = 1024;; span *= 4) {
        TextWindow window;
        window.offset = forward ? from : qMax(from, end - span);
        const int last = forward ? qMin(end, from + span) : end;
        window.text = textRange(window.offset, last);
        window.text.replace(QChar::ParagraphSeparator, u'\n');
        const bool whole = forward ? last == end : window.offset == from;
        if (whole || window.text.contains(u'<') || window.text.contains(u'>'))
            return window;
    }
}

void thtmlrichedit::restoreCaret(int position)
{
    QTextCursor cursor(document());
    cursor.setPosition(qBound(0, position, textLength()));
    setTextCursor(cursor);
}

// ---- Events -----------------------------------------------------------------

void thtmlrichedit::paintEvent(QPaintEvent *event)
{
    // Only the blocks about to be painted get their tag formats.
    const int height = viewport()->height();
    const QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        m_colouring->applyTo(block);
        if (blockBoundingGeometry(block).translated(offset).top() > height)
            break;
    }
    RichEdit::paintEvent(event);
}

QTextCharFormat thtmlrichedit::shownFormat(int position) const
{
    return m_colouring->shownFormat(qBound(0, position, textLength()));
}

void thtmlrichedit::decorateCopy(QTextDocument &copy, int from) const
{
    m_colouring->formatCopy(copy, from);
}

void thtmlrichedit::keyPressEvent(QKeyEvent *event)
{
    if (isReadOnly()) {
        RichEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        editpaste();
        event->accept();
        return;
    }
    if (isEnterKey(event->key())) {
        const Qt::KeyboardModifiers set = modifierSet(event->modifiers());
        // With Alt held the editor adds no line break; the key release adds
        // the paragraph tag.
        if (set & Qt::AltModifier) {
            event->accept();
            return;
        }
        RichEdit1KeyPress(QChar(u'\r'));
        if (set != Qt::NoModifier) {
            // Shift+Enter and Ctrl+Enter break the line like Enter does (a
            // new line, never a soft line separator); the key release then
            // adds the line-break tag.
            QTextCursor cursor = textCursor();
            insertPageText(cursor, QStringLiteral("\n"), cursor.charFormat());
            setTextCursor(cursor);
            ensureCursorVisible();
            event->accept();
            return;
        }
        RichEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    // Only characters that type into the page count as key presses;
    // control characters of shortcuts (Ctrl+C) do not.
    if (!text.isEmpty() && (text.front() >= u' ' || text.front() == u'\t'))
        RichEdit1KeyPress(text.front());
    RichEdit::keyPressEvent(event);
}

void thtmlrichedit::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats its press only; the release comes once at the end.
    if (!event->isAutoRepeat())
        richedit0KeyUp(event->key(), event->modifiers());
    RichEdit::keyReleaseEvent(event);
}

void thtmlrichedit::mousePressEvent(QMouseEvent *event)
{
    RichEdit::mousePressEvent(event);
    richeditMouseDown();
}

void thtmlrichedit::mouseMoveEvent(QMouseEvent *event)
{
    RichEdit::mouseMoveEvent(event);
    richedit0MouseMove();
}

void thtmlrichedit::dragEnterEvent(QDragEnterEvent *event)
{
    if (!firstLocalFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    RichEdit::dragEnterEvent(event);
}

void thtmlrichedit::dragMoveEvent(QDragMoveEvent *event)
{
    if (!firstLocalFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    RichEdit::dragMoveEvent(event);
}

void thtmlrichedit::dropEvent(QDropEvent *event)
{
    const QString file = firstLocalFile(event->mimeData());
    if (!file.isEmpty()) {
        event->acceptProposedAction();
        dropFile(file);
        return;
    }
    RichEdit::dropEvent(event);
}

void thtmlrichedit::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText()) {
        insertColoured(source->text());
        return;
    }
    RichEdit::insertFromMimeData(source);
}

} // namespace lumaro
