#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// A place of the text as one number: book (1..66), chapter and verse.
using PlaceKey = int;
inline PlaceKey KeyOfPlace(int book, int chapter, int verse) {
    return (book * 1000 + chapter) * 1000 + verse;
}

// The book (1..66) of one of the collection's three-letter codes ("gen", "1sa", "rev"), 0 for
// any other text.
int CatalogueBookOfCollectionCode(QByteArrayView code);

// One line of the collection, "gen 1:1<TAB>exo 20:11;exo 31:18": the verse and its
// references, each once, in the line's order. An empty text when the line is read, otherwise
// what is wrong with it.
QString ParseCrossReferenceLine(QByteArrayView line, PlaceKey& verse,
                                std::vector<PlaceKey>& references);

// A file's bytes, unpacked when they are xz-compressed. Throws ImportError (ExitUsage).
QByteArray ReadMaybeXz(const QString& path);

// The cross-reference collection: for each verse, the places it refers to.
class CrossReferences {
public:
    // Reads the collection (xz-compressed or plain). Throws ImportError (ExitUsage) naming the
    // line it cannot read.
    explicit CrossReferences(const QString& path);
    // The same from the collection's text; `name` is what messages call it.
    CrossReferences(const QByteArray& text, const QString& name);

    // The verse's references as `pok` ("CODE c:v" joined by "|"), those to places the
    // translation does not hold left out.
    QString pokOf(PlaceKey verse, const std::unordered_set<PlaceKey>& held) const;

    // Moves every verse and every place it refers to through `map` (another numbering): verses
    // that become one share their references, each once; a reference to the verse itself goes.
    void mapPlaces(const std::function<PlaceKey(PlaceKey)>& map);

    // How many references the collection holds.
    int size() const { return size_; }

private:
    void read(const QByteArray& text, const QString& name);

    std::unordered_map<PlaceKey, std::vector<PlaceKey>> references_;
    int size_ = 0;
};
