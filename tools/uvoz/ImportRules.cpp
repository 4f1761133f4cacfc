#include "ImportRules.h"

#include "BookCatalogue.h"
#include "TranslationList.h"
#include "Win1250.h"

namespace {

// The OSIS names of the 66 books, in the catalogue's order.
const char* const OsisBooks[BookCatalogue::BookCount] = {
    "Gen",   "Exod", "Lev",  "Num",  "Deut", "Josh", "Judg",  "Ruth",   "1Sam",   "2Sam",  "1Kgs",
    "2Kgs",  "1Chr", "2Chr", "Ezra", "Neh",  "Esth", "Job",   "Ps",     "Prov",   "Eccl",  "Song",
    "Isa",   "Jer",  "Lam",  "Ezek", "Dan",  "Hos",  "Joel",  "Amos",   "Obad",   "Jonah", "Mic",
    "Nah",   "Hab",  "Zeph", "Hag",  "Zech", "Mal",  "Matt",  "Mark",   "Luke",   "John",  "Acts",
    "Rom",   "1Cor", "2Cor", "Gal",  "Eph",  "Phil", "Col",   "1Thess", "2Thess", "1Tim",  "2Tim",
    "Titus", "Phlm", "Heb",  "Jas",  "1Pet", "2Pet", "1John", "2John",  "3John",  "Jude",  "Rev"};

QString CodeOfBook(int book) {
    return QString::fromUtf8(BookCatalogue::Codes[book - 1]);
}

int PositiveNumber(QStringView text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n > 0 && text[0].isDigit() ? n : 0;
}

// The value of an attribute within one tag ("<reference type='x' osisRef='y'>").
QString AttributeOf(QStringView tag, QStringView name) {
    qsizetype from = 0;
    while (true) {
        const qsizetype at = tag.indexOf(name, from);
        if (at < 0)
            return {};
        from = at + name.size();
        if (at == 0 || !tag[at - 1].isSpace())
            continue;
        qsizetype i = from;
        while (i < tag.size() && tag[i].isSpace())
            ++i;
        if (i >= tag.size() || tag[i] != '=')
            continue;
        ++i;
        while (i < tag.size() && tag[i].isSpace())
            ++i;
        if (i >= tag.size() || (tag[i] != '"' && tag[i] != '\''))
            continue;
        const QChar quote = tag[i];
        const qsizetype end = tag.indexOf(quote, i + 1);
        if (end < 0)
            return {};
        return tag.mid(i + 1, end - i - 1).toString();
    }
}

// The end (one past ">") of the tag that starts at `at`, or the text's size.
qsizetype TagEnd(QStringView text, qsizetype at) {
    const qsizetype end = text.indexOf('>', at);
    return end < 0 ? text.size() : end + 1;
}

bool IsSelfClosing(QStringView tag) {
    return tag.size() >= 2 && tag[tag.size() - 2] == '/';
}

bool StartsElement(QStringView text, qsizetype at, QStringView name) {
    if (!text.mid(at + 1).startsWith(name))
        return false;
    const qsizetype after = at + 1 + name.size();
    return after < text.size() &&
           (text[after].isSpace() || text[after] == '>' || text[after] == '/');
}

QString WithoutTags(QStringView text) {
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == '<') {
            i = TagEnd(text, i);
            continue;
        }
        out += text[i++];
    }
    return out;
}

// The references of one cross-reference note, whose content is `body`.
void CollectReferences(QStringView body, EntryNotes& notes) {
    qsizetype i = 0;
    while ((i = body.indexOf(u"<reference", i)) >= 0) {
        if (!StartsElement(body, i, u"reference")) {
            ++i;
            continue;
        }
        const qsizetype tagEnd = TagEnd(body, i);
        const QStringView tag = body.mid(i, tagEnd - i);
        qsizetype close = IsSelfClosing(tag) ? tagEnd : body.indexOf(u"</reference>", tagEnd);
        if (close < 0)
            close = body.size();
        i = close;
        if (AttributeOf(tag, u"type") == u"annotateRef")
            continue; // the place the note belongs to
        const QString osisRef = AttributeOf(tag, u"osisRef");
        if (!osisRef.isEmpty()) {
            notes.osisRefs << osisRef;
            continue;
        }
        const QString written = WithoutTags(body.mid(tagEnd, close - tagEnd)).trimmed();
        if (!written.isEmpty())
            notes.referenceTexts << written;
    }
}

// Whether the visible text from `at` on begins with something a blank must separate from
// the word before a removed note.
bool WordFollows(QStringView text, qsizetype at) {
    while (at < text.size() && text[at] == '<')
        at = TagEnd(text, at);
    if (at >= text.size())
        return false;
    const QChar c = text[at];
    return c.isLetterOrNumber() || c == u'\u201C' || c == u'\u2018' || c == '(' || c == '[';
}

} // namespace

int CatalogueBookOfOsis(const QString& osisBook) {
    for (int i = 0; i < BookCatalogue::BookCount; ++i)
        if (osisBook == QLatin1String(OsisBooks[i]))
            return i + 1;
    return 0;
}

QString CatalogueReference(const QString& osisRef) {
    const QStringView first = QStringView(osisRef).trimmed().split(u'-').front();
    const auto parts = first.split(u'.');
    if (parts.size() != 3)
        return {};
    const int book = CatalogueBookOfOsis(parts[0].toString());
    const int chapter = PositiveNumber(parts[1]);
    const int verse = PositiveNumber(parts[2]);
    if (!book || !chapter || !verse)
        return {};
    return QStringLiteral("%1 %2:%3").arg(CodeOfBook(book)).arg(chapter).arg(verse);
}

bool IsCatalogueReference(const QString& text) {
    const qsizetype blank = text.lastIndexOf(' ');
    if (blank <= 0)
        return false;
    const QString code = text.left(blank);
    bool known = false;
    for (int book = 1; book <= BookCatalogue::BookCount; ++book)
        known = known || code == CodeOfBook(book);
    const auto place = QStringView(text).mid(blank + 1).split(u':');
    return known && place.size() == 2 && PositiveNumber(place[0]) && PositiveNumber(place[1]);
}

EntryNotes SplitNotes(const QString& osis) {
    EntryNotes notes;
    const QStringView text(osis);
    qsizetype done = 0;
    qsizetype at;
    while ((at = text.indexOf(u"<note", done)) >= 0) {
        if (!StartsElement(text, at, u"note")) {
            notes.text += text.mid(done, at + 1 - done);
            done = at + 1;
            continue;
        }
        notes.text += text.mid(done, at - done);
        const qsizetype tagEnd = TagEnd(text, at);
        const QStringView tag = text.mid(at, tagEnd - at);
        qsizetype end = tagEnd;
        if (!IsSelfClosing(tag)) {
            // Find the matching "</note>", counting notes within the note.
            int depth = 1;
            while (depth > 0 && end < text.size()) {
                const qsizetype open = text.indexOf(u"<note", end);
                const qsizetype close = text.indexOf(u"</note>", end);
                if (close < 0) {
                    end = text.size();
                    break;
                }
                if (open >= 0 && open < close) {
                    const qsizetype openEnd = TagEnd(text, open);
                    if (StartsElement(text, open, u"note") &&
                        !IsSelfClosing(text.mid(open, openEnd - open)))
                        ++depth;
                    end = openEnd;
                } else {
                    --depth;
                    end = close + 7;
                }
            }
            const QString type = AttributeOf(tag, u"type");
            if (type == u"crossReference" || type == u"x-cross-ref")
                CollectReferences(text.mid(tagEnd, end - tagEnd), notes);
        }
        if (WordFollows(text, end))
            notes.text += ' ';
        done = end;
    }
    notes.text += text.mid(done);
    return notes;
}

QString WithoutHeadings(const QString& osis) {
    const QStringView text(osis);
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype at = text.indexOf('<', i);
        if (at < 0) {
            out += text.mid(i);
            break;
        }
        out += text.mid(i, at - i);
        const qsizetype tagEnd = TagEnd(text, at);
        const QStringView tag = text.mid(at, tagEnd - at);
        i = tagEnd;
        if (StartsElement(text, at, u"chapter") && !AttributeOf(tag, u"eID").isEmpty())
            break;
        if (StartsElement(text, at, u"div") && AttributeOf(tag, u"subType") == u"x-preverse") {
            const QString id = AttributeOf(tag, u"sID");
            if (id.isEmpty())
                continue;
            // Skip to the milestone that closes this one.
            qsizetype next = i;
            while ((next = text.indexOf(u"<div", next)) >= 0) {
                const qsizetype end = TagEnd(text, next);
                if (AttributeOf(text.mid(next, end - next), u"eID") == id) {
                    i = end;
                    break;
                }
                next = end;
            }
            continue;
        }
        if (StartsElement(text, at, u"title") && !IsSelfClosing(tag)) {
            const qsizetype close = text.indexOf(u"</title>", i);
            i = close < 0 ? text.size() : close + 8;
            continue;
        }
        out += tag;
    }
    return out;
}

QString WithoutWordMarkup(const QString& osis) {
    const QStringView text(osis);
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype at = text.indexOf('<', i);
        if (at < 0) {
            out += text.mid(i);
            break;
        }
        out += text.mid(i, at - i);
        i = TagEnd(text, at);
        if (StartsElement(text, at, u"w"))
            out += IsSelfClosing(text.mid(at, i - at)) ? u"<w/>" : u"<w>";
        else
            out += text.mid(at, i - at);
    }
    return out;
}

QString NormalizeReferenceText(const QString& text) {
    QString out = text;
    out.replace(u'\u2013', u'-').replace(u'\u2014', u'-').replace(u'\u2012', u'-');
    QStringList parts = out.split(u';');
    for (QString& part : parts) {
        part = part.trimmed();
        for (const char* word : {"See also ", "see also ", "See ", "see ", "Compare ", "cf. "})
            if (part.startsWith(QLatin1String(word)))
                part = part.mid(qsizetype(strlen(word))).trimmed();
    }
    return parts.join(QStringLiteral("; "));
}

QString CleanVerseText(const QString& text) {
    QString out;
    out.reserve(text.size());
    bool blank = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\u00B6')
            continue;
        // What a renderer makes of markup it was not told to leave out: " <G1520> ".
        if (c == '<') {
            const qsizetype end = text.indexOf('>', i);
            if (end > i) {
                i = end;
                blank = false; // the blank before it goes with it
                continue;
            }
        }
        if (c.isSpace() || c.category() == QChar::Other_Control) {
            blank = !out.isEmpty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

QString JoinReferences(const QStringList& references) {
    QStringList unique;
    for (const QString& r : references)
        if (!r.isEmpty() && !unique.contains(r))
            unique << r;
    return unique.join('|');
}

namespace {

bool FitsWin1250(const QString& text) {
    return DecodeWin1250(EncodeWin1250(text)) == text;
}

bool HasControl(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 32 || c.unicode() == 127)
            return true;
    return false;
}

} // namespace

QString FileNameProblem(const QString& name) {
    if (name.isEmpty())
        return QStringLiteral("The file name is empty.");
    if (name.size() > 20)
        return QStringLiteral("The file name \"%1\" is longer than 20 characters (the translation "
                              "list holds 20).")
            .arg(name);
    if (name.contains('/') || name.contains('\\') || name == "." || name == ".." ||
        HasControl(name))
        return QStringLiteral("\"%1\" is not a plain file name.").arg(name);
    // The reader finds the file through a connection string, whose parts end at ";".
    if (name.contains(';'))
        return QStringLiteral("The file name \"%1\" holds a \";\", which the reader cannot open.")
            .arg(name);
    if (name.front().isSpace() || name.back().isSpace())
        return QStringLiteral("The file name \"%1\" begins or ends with a blank.").arg(name);
    if (!FitsWin1250(name))
        return QStringLiteral("The file name \"%1\" has characters outside Windows-1250.")
            .arg(name);
    return {};
}

QString CaptionProblem(const QString& caption) {
    if (caption.trimmed().isEmpty())
        return QStringLiteral("The caption is empty.");
    if (HasControl(caption))
        return QStringLiteral("The caption holds a line break or another control character.");
    if (caption.size() > 500)
        return QStringLiteral("The caption is longer than 500 characters.");
    if (!FitsWin1250(caption))
        return QStringLiteral("The caption has characters outside Windows-1250.");
    return {};
}

namespace {

struct ListLine {
    QByteArray text;
    QByteArray lineBreak; // empty on a last line without one
};

QList<ListLine> SplitListLines(const QByteArray& bytes) {
    QList<ListLine> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        const qsizetype breakLength =
            bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
        lines.append({bytes.mid(start, i - start), bytes.mid(i, breakLength)});
        i += breakLength - 1;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append({bytes.mid(start), {}});
    return lines;
}

bool IsBlankListLine(const QByteArray& line) {
    for (const char c : line)
        if (static_cast<unsigned char>(c) > 32)
            return false;
    return true;
}

// The file name field of a line, without the blanks that pad it.
QByteArray NameField(const QByteArray& line) {
    QByteArray name = line.left(20);
    while (name.endsWith(' '))
        name.chop(1);
    return name;
}

} // namespace

QByteArray UpdateTranslationList(const QByteArray& listFile, const QString& fileName,
                                 const QString& caption) {
    QList<ListLine> lines = SplitListLines(listFile);
    const QByteArray line = EncodeWin1250(TranslationLine(fileName, caption));
    const QByteArray name = EncodeWin1250(fileName);
    qsizetype end = 0;
    while (end < lines.size() && !IsBlankListLine(lines[end].text))
        ++end;
    qsizetype at = 0;
    while (at < end && NameField(lines[at].text) != name)
        ++at;
    if (at < end) {
        lines[at].text = line;
        if (lines[at].lineBreak.isEmpty())
            lines[at].lineBreak = "\r\n";
    } else {
        if (end > 0 && lines[end - 1].lineBreak.isEmpty())
            lines[end - 1].lineBreak = "\r\n";
        lines.insert(end, {line, "\r\n"});
    }
    QByteArray out;
    for (const ListLine& l : lines)
        out += l.text + l.lineBreak;
    return out;
}
