#include "HelpPageBudget.h"

#include <QSet>

#include <algorithm>
#include <optional>

#include "HelpFile.h"

namespace {

using namespace helpbudget;

// Enough of a picture's file for the header of every common format.
constexpr int64_t kPictureHeaderBytes = 64 * 1024;

const QSet<QString> kVoidElements = {"area", "base", "br",    "col",   "embed", "hr",  "img",
                                     "input", "link", "meta", "param", "source", "track", "wbr"};
// Elements that start a line, and so end the word before them.
const QSet<QString> kLineBreaking = {"br", "p",  "div", "li", "tr", "td", "th",  "h1",         "h2", "h3",
                                     "h4", "h5", "h6",  "table", "ul", "ol", "pre", "hr", "blockquote",
                                     "dl", "dt", "dd",  "center", "title"};
// Elements whose text is not laid out as words.
const QSet<QString> kRawText = {"style", "script"};

// One pass over the page's characters: tags, comments and text.
class PageMeter {
public:
    explicit PageMeter(QStringView page) : m_page(page) {}

    HelpPageShape Measure()
    {
        qsizetype at = 0;
        while (at < m_page.size() && m_shape.Fits()) {
            const int64_t weight = Weight();
            const qsizetype next = Step(at);
            m_shape.length += (next - at) * weight;
            at = next;
        }
        return m_shape;
    }

private:
    // Everything inside a table is laid out twice over for it.
    int64_t Weight() const { return int64_t{1} << std::min(m_nTables, 30); }

    qsizetype Step(qsizetype at)
    {
        if (m_page[at] != u'<' || at + 1 == m_page.size()) return Text(at);
        const QChar next = m_page[at + 1];
        if (m_page.mid(at).startsWith(u"<!--")) return After(u"-->", at + 4);
        if (next == u'!' || next == u'?') return After(u">", at + 2);
        if (next == u'/') return EndTag(at + 2);
        if (next.isLetter()) return StartTag(at + 1);
        return Text(at);
    }

    qsizetype Text(qsizetype at)
    {
        if (m_page[at].isSpace()) {
            m_nWord = 0;
        } else {
            m_shape.longestWord = std::max(m_shape.longestWord, ++m_nWord);
        }
        return at + 1;
    }

    // Where `close` ends, looked for from `from`; the page's end when it never does.
    qsizetype After(QStringView close, qsizetype from) const
    {
        const qsizetype found = m_page.indexOf(close, from, Qt::CaseInsensitive);
        return found < 0 ? m_page.size() : found + close.size();
    }

    qsizetype Name(qsizetype at, QString& name) const
    {
        qsizetype end = at;
        while (end < m_page.size() && (m_page[end].isLetterOrNumber() || m_page[end] == u'-' || m_page[end] == u':'))
            ++end;
        name = m_page.mid(at, end - at).toString().toLower();
        return end;
    }

    qsizetype StartTag(qsizetype at)
    {
        QString name;
        qsizetype end = Name(at, name);
        QString source;
        bool closed = false;
        end = Attributes(end, name == u"img" ? &source : nullptr, closed);
        m_shape.elements += Weight();
        if (name == u"a") ++m_shape.links;
        if (name == u"img") m_shape.pictures.append(source);
        if (kLineBreaking.contains(name)) m_nWord = 0;
        if (kRawText.contains(name)) return After(u">", After(QStringLiteral("</") + name, end));
        if (kVoidElements.contains(name) || closed) return end;
        CloseImplied(name);
        Open(name);
        return end;
    }

    // Reads a tag's attributes up to its '>', keeping the value of src in `source`.
    qsizetype Attributes(qsizetype at, QString* source, bool& closed) const
    {
        while (at < m_page.size()) {
            const QChar c = m_page[at];
            if (c == u'>') return at + 1;
            closed = c == u'/';
            if (c.isSpace() || c == u'/') {
                ++at;
                continue;
            }
            QString name;
            qsizetype end = std::max(Name(at, name), at + 1);
            while (end < m_page.size() && m_page[end].isSpace()) ++end;
            if (end == m_page.size() || m_page[end] != u'=') {
                at = end;
                continue;
            }
            ++end;
            while (end < m_page.size() && m_page[end].isSpace()) ++end;
            qsizetype valueEnd = end;
            qsizetype next = end;
            if (end < m_page.size() && (m_page[end] == u'"' || m_page[end] == u'\'')) {
                valueEnd = m_page.indexOf(m_page[end], end + 1);
                if (valueEnd < 0) valueEnd = m_page.size();
                next = valueEnd + 1;
                ++end;
            } else {
                while (valueEnd < m_page.size() && !m_page[valueEnd].isSpace() && m_page[valueEnd] != u'>')
                    ++valueEnd;
                next = valueEnd;
            }
            if (source != nullptr && name == u"src")
                *source = m_page.mid(end, valueEnd - end).toString().replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            at = next;
        }
        return at;
    }

    qsizetype EndTag(qsizetype at)
    {
        QString name;
        const qsizetype end = After(u">", Name(at, name));
        if (kLineBreaking.contains(name)) m_nWord = 0;
        const qsizetype open = m_open.lastIndexOf(name);
        while (open >= 0 && m_open.size() > open) Close();
        return end;
    }

    // A paragraph, list item, cell or row ends where the next of its kind starts, as the text
    // browser reads them.
    void CloseImplied(const QString& name)
    {
        const auto top = [this] { return m_open.isEmpty() ? QString() : m_open.constLast(); };
        const bool cell = name == u"td" || name == u"th";
        if ((cell || name == u"tr") && (top() == u"td" || top() == u"th")) Close();
        if ((name == u"p" || name == u"li" || name == u"tr") && top() == name) Close();
        if ((name == u"dt" || name == u"dd") && (top() == u"dt" || top() == u"dd")) Close();
    }

    void Open(const QString& name)
    {
        m_open.append(name);
        if (name == u"table") ++m_nTables;
        m_shape.depth = std::max(m_shape.depth, static_cast<int>(m_open.size()));
    }

    void Close()
    {
        if (m_open.takeLast() == u"table") --m_nTables;
    }

    QStringView m_page;
    HelpPageShape m_shape;
    QStringList m_open;   // the elements open where the pass stands, outermost first
    int m_nTables = 0;    // tables among them
    int m_nWord = 0;      // characters of the word the pass stands in
};

}  // namespace

bool HelpPageShape::Fits() const
{
    return depth <= kMaxDepth && elements <= kMaxElements && length <= kMaxLength && links <= kMaxLinks &&
           longestWord <= kMaxWord && pictures.size() <= kMaxPictures;
}

HelpPageShape MeasureHelpPage(QStringView page)
{
    return PageMeter(page).Measure();
}

int64_t PicturePixelsOf(const QStringList& addresses, const QUrl& page)
{
    QSet<QString> counted;
    int64_t pixels = 0;
    for (const QString& address : addresses) {
        const QUrl url = page.resolved(QUrl(address));
        if (!url.isLocalFile() || counted.contains(url.toLocalFile())) continue;
        counted.insert(url.toLocalFile());
        const std::optional<QByteArray> start = ReadHelpFileStart(url.toLocalFile(), kPictureHeaderBytes);
        if (const std::optional<int64_t> own = start ? PicturePixels(*start) : std::nullopt) pixels += *own;
        if (pixels > kMaxPixels) break;
    }
    return pixels;
}
