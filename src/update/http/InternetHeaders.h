#pragma once

#include <QByteArray>

#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

// Message headers of the name, colon, value kind, as HTTP and e-mail use
// them. A name may occur several times: instance 0 is stored under the name
// itself, instance n under "name:n". Names match without regard to letter
// case; entries enumerate in the order they were first stored.
class InternetHeaders {
public:
    InternetHeaders();

    qint32 Count() const;
    // The name of the entry at `index` (0 to Count() - 1).
    QByteArray Name(qint32 index) const;
    // Instances of `name`, counted up to the first missing instance number.
    qint32 NameCount(const QByteArray &name) const;
    // The parsed text unchanged, or the HTTP formatting when nothing was parsed.
    QByteArray Source() const;
    QByteArray Value(const QByteArray &name) const;
    QByteArray Value(const QByteArray &name, qint32 instance) const;
    // Empty when `index` is past the last entry.
    QByteArray Value(qint32 index) const;

    // These three refuse (return false, change nothing) a name or value
    // holding a carriage return or line feed: such a header would split into
    // lines of the sender's choosing once formatted into a request.
    bool AppendHeader(const QByteArray &name, const QByteArray &value);
    // Leaves exactly one instance of `name`, holding `value`.
    bool SetHeader(const QByteArray &name, const QByteArray &value);
    // Sets one instance, creating it when absent.
    bool SetHeader(const QByteArray &name, const QByteArray &value, qint32 instance);

    // Removes every instance of `name`.
    void Delete(const QByteArray &name);
    // Removes one instance; the later instances move down by one.
    void Delete(const QByteArray &name, qint32 instance);
    void DeleteAllHeaders();

    // All values of `name` in instance order, joined by ", ".
    QByteArray CommaSeparatedValues(const QByteArray &name) const;

    // Replaces the entries by those of a received header block.
    void _ParseHeaders(const QByteArray &text);
    // CR LF, LF or CR, whichever the text uses (CR LF when it has none).
    static QByteArray _DetermineEOLCharacter(const QByteArray &text);
    // One "name: value" line per entry, joined by CR LF.
    QByteArray _FormatHTTPHeaders() const;
    // The entries in the order a mail transfer expects.
    QByteArray _FormatEmailHeaders() const;

private:
    struct Entry {
        QByteArray key;
        QByteArray value;
    };

    qsizetype position(const QByteArray &key) const;
    bool contains(const QByteArray &key) const { return position(key) >= 0; }
    // Replaces the value of `key`, or adds it as the last entry.
    void store(const QByteArray &key, const QByteArray &value);
    void appendUnchecked(const QByteArray &name, const QByteArray &value);
    // Removes the entries at the given positions in one pass.
    void removePositions(std::vector<qsizetype> positions);
    void rename(qsizetype position, const QByteArray &newKey);
    void forgetInstance(const QByteArray &key);
    qint32 &knownInstances(const QByteArray &name) const;

    // Qt's seeded hash costs far more than the parsing around it on some
    // machines; the length of a header block is capped by its reader, which
    // bounds what colliding names could cost.
    struct KeyHash {
        std::size_t operator()(const QByteArray &key) const
        {
            return std::hash<std::string_view>()(
                std::string_view(key.constData(), std::size_t(key.size())));
        }
    };

    // Keys and values in enumeration order, with an index from the lower-cased
    // key to the position.
    std::vector<Entry> _Headers;
    std::unordered_map<QByteArray, qsizetype, KeyHash> positions_;
    // Per lower-cased name: a count n such that instances 0 to n - 1 are
    // known to exist. Lets a long run of one name be appended in linear time.
    mutable std::unordered_map<QByteArray, qint32, KeyHash> knownInstances_;
    QByteArray _rawHeaders;
};
