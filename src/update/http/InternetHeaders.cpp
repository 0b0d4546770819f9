#include "update/http/InternetHeaders.h"

#include <QList>

#include <algorithm>

namespace {

const QByteArray crLf = QByteArrayLiteral("\r\n");

bool holdsLineBreak(const QByteArray &text)
{
    return text.contains('\r') || text.contains('\n');
}

QByteArray folded(const QByteArray &key)
{
    return key.toLower();
}

// The name part of a key: everything before its first ":".
QByteArray nameOf(const QByteArray &key)
{
    const qsizetype colon = key.indexOf(':');
    return colon < 0 ? key : key.left(colon);
}

QByteArray instanceKey(const QByteArray &name, qint32 instance)
{
    return instance == 0 ? name : name + ':' + QByteArray::number(instance);
}

// The instance a key stands for, or -1 when its suffix is not one this
// collection would have made ("X:01", "X:a").
qint32 instanceNumber(const QByteArray &key)
{
    const qsizetype colon = key.indexOf(':');
    if (colon < 0)
        return 0;
    const QByteArray suffix = key.mid(colon + 1);
    if (suffix.isEmpty() || suffix.size() > 9 || suffix.front() == '0')
        return -1;
    if (!std::all_of(suffix.begin(), suffix.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return suffix.toInt();
}

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

InternetHeaders::InternetHeaders() = default;

qint32 InternetHeaders::Count() const
{
    return static_cast<qint32>(_Headers.size());
}

QByteArray InternetHeaders::Name(qint32 index) const
{
    if (index < 0 || index >= Count())
        return {};
    return nameOf(_Headers[index].key);
}

qint32 InternetHeaders::NameCount(const QByteArray &name) const
{
    if (!contains(name))
        return 0;
    // Only a plain name has numbered instances worth remembering.
    const bool plainName = !name.contains(':');
    qint32 count = plainName ? std::max(1, knownInstances(name)) : 1;
    while (contains(name + ':' + QByteArray::number(count)))
        ++count;
    if (plainName)
        knownInstances(name) = count;
    return count;
}

QByteArray InternetHeaders::Source() const
{
    return _rawHeaders.isEmpty() ? _FormatHTTPHeaders() : _rawHeaders;
}

QByteArray InternetHeaders::Value(const QByteArray &name) const
{
    return Value(name, 0);
}

QByteArray InternetHeaders::Value(const QByteArray &name, qint32 instance) const
{
    const qsizetype at = position(instanceKey(name, std::max(0, instance)));
    return at < 0 ? QByteArray() : _Headers[at].value;
}

QByteArray InternetHeaders::Value(qint32 index) const
{
    if (index < 0 || index >= Count())
        return {};
    return _Headers[index].value;
}

bool InternetHeaders::AppendHeader(const QByteArray &name, const QByteArray &value)
{
    if (holdsLineBreak(name) || holdsLineBreak(value))
        return false;
    appendUnchecked(name, value);
    return true;
}

bool InternetHeaders::SetHeader(const QByteArray &name, const QByteArray &value)
{
    if (holdsLineBreak(name) || holdsLineBreak(value))
        return false;
    if (NameCount(name) > 1)
        Delete(name);
    store(name, value);
    return true;
}

bool InternetHeaders::SetHeader(const QByteArray &name, const QByteArray &value, qint32 instance)
{
    if (holdsLineBreak(name) || holdsLineBreak(value))
        return false;
    // An absent instance is stored under exactly its own key, even past a gap.
    store(instanceKey(name, instance), value);
    return true;
}

void InternetHeaders::Delete(const QByteArray &name)
{
    const qint32 count = NameCount(name);
    std::vector<qsizetype> doomed;
    doomed.reserve(static_cast<std::size_t>(count));
    for (qint32 instance = 0; instance < count; ++instance)
        doomed.push_back(position(instanceKey(name, instance)));
    removePositions(std::move(doomed));
}

void InternetHeaders::Delete(const QByteArray &name, qint32 instance)
{
    const qsizetype at = position(instanceKey(name, instance));
    if (at < 0)
        return;
    removePositions({at});
    if (instance < 0)
        return;
    // The later instances move down by one and keep their places in the
    // enumeration order.
    for (qint32 later = instance + 1;; ++later) {
        const qsizetype laterAt = position(instanceKey(name, later));
        if (laterAt < 0)
            break;
        // The stored spelling of the name, which matches `name` but for case.
        rename(laterAt, instanceKey(_Headers[laterAt].key.left(name.size()), later - 1));
    }
}

void InternetHeaders::DeleteAllHeaders()
{
    _Headers.clear();
    positions_.clear();
    knownInstances_.clear();
}

QByteArray InternetHeaders::CommaSeparatedValues(const QByteArray &name) const
{
    QByteArray joined;
    const qint32 count = NameCount(name);
    for (qint32 instance = 0; instance < count; ++instance) {
        if (instance > 0)
            joined += ", ";
        joined += Value(name, instance);
    }
    return joined;
}

void InternetHeaders::_ParseHeaders(const QByteArray &text)
{
    _rawHeaders = text;
    const QByteArray eol = _DetermineEOLCharacter(text);
    DeleteAllHeaders();

    QByteArray unfolded = text;
    unfolded.replace(eol + ' ', " ");
    unfolded.replace(eol + '\t', " ");

    qsizetype lineStart = 0;
    while (lineStart <= unfolded.size()) {
        qsizetype lineEnd = unfolded.indexOf(eol, lineStart);
        if (lineEnd < 0)
            lineEnd = unfolded.size();
        // Searched within the line only: a long block of lines without a
        // colon must not cost a scan to the end of the text per line.
        const qsizetype colonInLine =
            QByteArrayView(unfolded).sliced(lineStart, lineEnd - lineStart).indexOf(':');
        if (colonInLine >= 0) {
            const qsizetype colon = lineStart + colonInLine;
            qsizetype valueStart = colon + 1;
            while (valueStart < lineEnd && isAsciiSpace(unfolded.at(valueStart)))
                ++valueStart;
            appendUnchecked(unfolded.sliced(lineStart, colon - lineStart),
                            unfolded.sliced(valueStart, lineEnd - valueStart));
        }
        lineStart = lineEnd + eol.size();
    }
}

QByteArray InternetHeaders::_DetermineEOLCharacter(const QByteArray &text)
{
    if (text.contains(crLf))
        return crLf;
    if (text.contains('\n'))
        return QByteArrayLiteral("\n");
    if (text.contains('\r'))
        return QByteArrayLiteral("\r");
    return crLf;
}

QByteArray InternetHeaders::_FormatHTTPHeaders() const
{
    QByteArray lines;
    for (std::size_t at = 0; at < _Headers.size(); ++at) {
        if (at > 0)
            lines += crLf;
        lines += nameOf(_Headers[at].key) + ": " + _Headers[at].value;
    }
    return lines;
}

QByteArray InternetHeaders::_FormatEmailHeaders() const
{
    QList<QByteArray> lines;
    auto addFirstInstance = [&](const QByteArray &name) {
        if (contains(name))
            lines.append(name + ": " + Value(name));
    };
    addFirstInstance("Return-Path");
    const qint32 received = NameCount("Received");
    for (qint32 instance = 0; instance < received; ++instance)
        lines.append("Received: " + Value("Received", instance));
    addFirstInstance("Date");
    addFirstInstance("Subject");
    addFirstInstance("From");
    if (NameCount("To") > 0)
        lines.append("To: " + CommaSeparatedValues("To"));
    if (NameCount("CC") > 0)
        lines.append("CC: " + CommaSeparatedValues("CC"));

    static const QByteArray placedNames = ":date:subject:from:to:cc:bcc:received:return-path:";
    for (const Entry &entry : _Headers) {
        const QByteArray name = nameOf(entry.key);
        if (!placedNames.contains(':' + folded(name) + ':'))
            lines.append(name + ": " + entry.value);
    }
    return lines.join(crLf);
}

qsizetype InternetHeaders::position(const QByteArray &key) const
{
    const auto found = positions_.find(folded(key));
    return found == positions_.end() ? -1 : found->second;
}

void InternetHeaders::store(const QByteArray &key, const QByteArray &value)
{
    const QByteArray foldedKey = folded(key);
    const auto found = positions_.find(foldedKey);
    if (found != positions_.end()) {
        _Headers[found->second].value = value;
        return;
    }
    positions_.emplace(foldedKey, static_cast<qsizetype>(_Headers.size()));
    _Headers.push_back({key, value});
}

void InternetHeaders::appendUnchecked(const QByteArray &name, const QByteArray &value)
{
    // Folded once here: parsing calls this for every line of a header block.
    const QByteArray foldedName = folded(name);
    if (!positions_.contains(foldedName)) {
        positions_.emplace(foldedName, static_cast<qsizetype>(_Headers.size()));
        _Headers.push_back({name, value});
        return;
    }
    // The lowest free instance number from 1 on. Remembering how many
    // instances are known to exist keeps a long run of one name linear.
    const qsizetype colon = name.indexOf(':');
    const QByteArray base = colon < 0 ? name : name.left(colon);
    const QByteArray foldedBase = colon < 0 ? foldedName : foldedName.left(colon);
    qint32 &known = knownInstances_[foldedBase];
    qint32 instance = std::max(1, known);
    QByteArray foldedKey = foldedBase + ':' + QByteArray::number(instance);
    while (positions_.contains(foldedKey))
        foldedKey = foldedBase + ':' + QByteArray::number(++instance);
    positions_.emplace(foldedKey, static_cast<qsizetype>(_Headers.size()));
    _Headers.push_back({base + ':' + QByteArray::number(instance), value});
    if (known >= 1 || positions_.contains(foldedBase))
        known = instance + 1;
}

void InternetHeaders::removePositions(std::vector<qsizetype> doomed)
{
    if (doomed.empty())
        return;
    std::sort(doomed.begin(), doomed.end());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    for (qsizetype at : doomed) {
        positions_.erase(folded(_Headers[at].key));
        forgetInstance(_Headers[at].key);
    }
    // Compact in one pass, then renumber the positions that moved.
    std::size_t next = 0;
    std::size_t kept = static_cast<std::size_t>(doomed.front());
    for (std::size_t at = kept; at < _Headers.size(); ++at) {
        if (next < doomed.size() && static_cast<qsizetype>(at) == doomed[next]) {
            ++next;
            continue;
        }
        _Headers[kept++] = std::move(_Headers[at]);
    }
    _Headers.resize(kept);
    for (std::size_t at = static_cast<std::size_t>(doomed.front()); at < _Headers.size(); ++at)
        positions_[folded(_Headers[at].key)] = static_cast<qsizetype>(at);
}

void InternetHeaders::rename(qsizetype at, const QByteArray &newKey)
{
    positions_.erase(folded(_Headers[at].key));
    forgetInstance(_Headers[at].key);
    _Headers[at].key = newKey;
    positions_[folded(newKey)] = at;
}

void InternetHeaders::forgetInstance(const QByteArray &key)
{
    const qint32 instance = instanceNumber(key);
    if (instance < 0)
        return;
    const auto known = knownInstances_.find(folded(nameOf(key)));
    if (known != knownInstances_.end() && known->second > instance)
        known->second = instance;
}

qint32 &InternetHeaders::knownInstances(const QByteArray &name) const
{
    return knownInstances_[folded(name)];
}
