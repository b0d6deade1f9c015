// The farm file ("trv") as bytes and as a plain record, without any window: the item
// table in file order, the decoder of every format version back to files without a format
// number, and the encoder of the newest format (201200).
//
// The file is a stream of tagged items without header or checksum:
//   Integer  tag 2 + 1 byte, tag 3 + 2 bytes or tag 4 + 4 bytes, signed, little-endian
//   Float    tag 5 + a 10-byte extended number (an Integer item is read as a Float too)
//   Boolean  tag 9 true, tag 8 false (any other byte reads false)
//   text     a length byte and 100 bytes in Windows-1252 (20 bytes in the old grid blocks)
//   grids    per grid 8 columns x 20 rows of texts, column by column (older formats 8 or 6
//            columns x 15 rows of 20-byte texts)
//   purchase 60 bytes, one per row of the grass-silage and the maize-silage grid
// After the first invalid page (an Integer) and the format number (a Float; files without
// one start with the year) come the items of the table below, each read only from its
// first format on; the older formats hold a few items of their own that the decoder turns
// into the values of today's controls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The format written: the program version 2012.00 without its point.
inline constexpr int kBestandVersie = 201200;
// What is read of a file at most; the items of any format take at most 244,028 bytes.
inline constexpr std::size_t kMaxBestandGrootte = std::size_t{256} * 1024;

// Kinds of items. Teken is the writer's decimal sign (a text), Grids the fifteen grid
// blocks, Aankoop one purchase block.
enum class TItemSoort { Geheel, Drijvend, Boolean, Tekst, Teken, Grids, Aankoop };

struct TBestandItem {
    const char* Naam; // the control it belongs to, or the block's own name
    TItemSoort Soort;
    int Vanaf; // the first format version that holds it
};

// The items after the format number, in file order: the year first. This table is the one
// place that knows which control is stored where.
const std::vector<TBestandItem>& BestandItems();
// The index of an item in BestandItems, or -1.
int ItemIndex(std::string_view naam);

// The stock grids in file order: moment (1 opening stock, 2 stock increase, 3 closing
// stock) by feed kind (1 grass silage .. 5 milk powder); the batch rows of each kind.
inline constexpr int kAantalGrids = 15;
inline constexpr std::array<int, 6> kGridRijen = {0, 15, 10, 20, 20, 3};
inline constexpr int kNatSoort = 3;
constexpr int GridIndex(int moment, int soort) {
    return (moment - 1) * 5 + (soort - 1);
}

// The texts of one grid: columns 1..8 (description, amount, VEM, RE, N, P, crude ash,
// VRE) by batch rows 1..20; rows beyond the grid's own stay empty.
struct TGridCellen {
    std::array<std::array<std::string, 20>, 8> Kolommen;
    std::string& Cel(int kolom, int rij) {
        return Kolommen[static_cast<std::size_t>(kolom - 1)][static_cast<std::size_t>(rij - 1)];
    }
    const std::string& Cel(int kolom, int rij) const {
        return Kolommen[static_cast<std::size_t>(kolom - 1)][static_cast<std::size_t>(rij - 1)];
    }
    friend bool operator==(const TGridCellen&, const TGridCellen&) = default;
};

// A value of an Integer (int), Float (double), Boolean (bool) or text (UTF-8) item.
using TWaarde = std::variant<int, double, bool, std::string>;

// One farm as the file holds it, in today's terms.
struct TBoerderijBestand {
    TBoerderijBestand();

    // The format the file was written in (0: no format number); the encoder always
    // writes kBestandVersie.
    int Versie = kBestandVersie;
    // The first input page that is not valid, 0..8, or 9 when all are.
    int Pagina = 0;
    // The decimal sign of the grid cells' numbers.
    std::string Decimaalteken = ".";
    // By item index of BestandItems; nothing where the file's format lacks the item (the
    // control keeps the value of a new farm).
    std::vector<std::optional<TWaarde>> Waarden;
    // The grids by GridIndex; the descriptions of the wet by-products without the
    // by-product's name, which is in NatProductNr.
    std::array<TGridCellen, kAantalGrids> Grids;
    // The wet by-product of each row [moment 1..3][row 1..20] (1..17, 0 = none chosen).
    std::array<std::array<int, 20>, 3> NatProductNr{};
    // Purchased silage [moment 1..3][group 1 grass silage, 2 maize silage][row 1..20].
    std::array<std::array<std::array<bool, 20>, 2>, 3> Aankoop{};
    // Formats 201102 up to 201110 store the phosphate removed with fresh grass, grass
    // silage and maize silage as one figure each; the window turns them into amount and
    // content once the stock grids are totalled. Nothing for other formats.
    std::optional<std::array<double, 3>> OudeAfvoer;

    const std::optional<TWaarde>& Waarde(std::string_view naam) const;
    void Zet(std::string_view naam, TWaarde waarde);
    // The value of an item of that kind, or nothing when it is absent.
    std::optional<int> Geheel(std::string_view naam) const;
    std::optional<double> Drijvend(std::string_view naam) const;
    std::optional<bool> Boolean(std::string_view naam) const;
    std::optional<std::string> Tekst(std::string_view naam) const;

    TGridCellen& Grid(int moment, int soort) {
        return Grids[static_cast<std::size_t>(GridIndex(moment, soort))];
    }
    const TGridCellen& Grid(int moment, int soort) const {
        return Grids[static_cast<std::size_t>(GridIndex(moment, soort))];
    }

    friend bool operator==(const TBoerderijBestand&, const TBoerderijBestand&) = default;
};

// A file that cannot be read; what() is the message for the user.
class TBestandFout : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The messages of a bad file.
inline constexpr const char* kStreamLeesfout = "Stream read error";
inline constexpr const char* kOngeldigeWaarde = "Invalid property value";
inline constexpr const char* kNieuwereVersie =
    "This file was made by a newer version of Tarvolingrade (format above 201200) and cannot be read";

// Decodes a farm file of any format. Grid numbers written with the other decimal sign are
// turned to decimalTeken (the current one); the record then uses it. Throws TBestandFout.
// Bytes after the last item are ignored.
TBoerderijBestand DecodeerBestand(std::span<const std::uint8_t> bytes, char decimaalTeken);

// The bytes of the newest format. An absent item is written as 0, false or an empty text;
// a text is cut to 100 characters; unused bytes are zeros.
std::vector<std::uint8_t> CodeerBestand(const TBoerderijBestand& bestand);

// The decimal-sign fix-up of a grid cell read from a file: every bestandTeken becomes
// huidig when the file's sign is "." or "," and differs from the current one.
std::string ConverteerDecimaalteken(std::string tekst, std::string_view bestandTeken, char huidig);

// The two ends of a text without blanks and control characters.
std::string Trim(std::string_view s);
