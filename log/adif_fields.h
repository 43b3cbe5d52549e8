#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <array>
#include <cstring>
#include <functional>
#include <iterator>

// The fields of a record the reader uses, found by name. Kept inline: the
// one-pass reading looks up every tag name of a log.
namespace adif {

enum Field {
    kCall,
    kQsoDate,
    kTimeOn,
    kBand,
    kFreq,
    kMode,
    kRstSent,
    kQslVia,
    kQslSent,
    kQslSentVia,
    kQslRcvd,
    kQslRcvdVia,
    kDxcc,
    kCountry,
    kPropMode,
    kSatName,
    kSubmode,
    kBandRx,
    kQslMsg,
    kTimeOff,
    kLotwQslRcvd,
    kEqslQslRcvd,
    kFieldCount
};

// The fields whose tag alone makes the text after the last <EOR> a QSO.
inline bool isListedField(Field field) {
    return field <= kQslVia;
}

// Up to 16 bytes of a name, little-endian, bytes past its end zero.
struct PackedName {
    quint64 low = 0;
    quint64 high = 0;
    constexpr bool operator==(const PackedName& other) const {
        return low == other.low && high == other.high;
    }
};

constexpr PackedName packName(const char* name, size_t size) {
    PackedName packed;
    for (size_t i = 0; i < size && i < 16; ++i) {
        const auto byte = static_cast<quint64>(static_cast<unsigned char>(name[i]));
        (i < 8 ? packed.low : packed.high) |= byte << (8 * (i % 8));
    }
    return packed;
}

// The eight bytes with a to z upper-cased, every other byte left as it is.
constexpr quint64 upperAscii(quint64 bytes) {
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    constexpr quint64 kHighBits = 0x8080808080808080ULL;
    const quint64 low7 = bytes & ~kHighBits;
    const quint64 pastZ = low7 + kOnes * (0x7F - 'z');
    const quint64 fromA = low7 + kOnes * (0x80 - 'a');
    const quint64 lower = fromA & ~pastZ & ~bytes & kHighBits;
    return bytes - (lower >> 2);
}

struct KnownName {
    PackedName name;
    qsizetype size;
    Field field;
};

#define QE_KNOWN(text, field)                                     \
    KnownName {                                                   \
        packName(text, sizeof(text) - 1), sizeof(text) - 1, field \
    }
inline constexpr KnownName kKnownNames[] = {
    QE_KNOWN("CALL", kCall),
    QE_KNOWN("QSO_DATE", kQsoDate),
    QE_KNOWN("TIME_ON", kTimeOn),
    QE_KNOWN("BAND", kBand),
    QE_KNOWN("FREQ", kFreq),
    QE_KNOWN("MODE", kMode),
    QE_KNOWN("RST_SENT", kRstSent),
    QE_KNOWN("QSL_VIA", kQslVia),
    QE_KNOWN("QSL_SENT", kQslSent),
    QE_KNOWN("QSL_SENT_VIA", kQslSentVia),
    QE_KNOWN("QSL_RCVD", kQslRcvd),
    QE_KNOWN("DXCC", kDxcc),
    QE_KNOWN("COUNTRY", kCountry),
    QE_KNOWN("PROP_MODE", kPropMode),
    QE_KNOWN("SAT_NAME", kSatName),
    QE_KNOWN("QSL_RCVD_VIA", kQslRcvdVia),
    QE_KNOWN("TIME_OFF", kTimeOff),
    QE_KNOWN("LOTW_QSL_RCVD", kLotwQslRcvd),
    QE_KNOWN("EQSL_QSL_RCVD", kEqslQslRcvd),
    QE_KNOWN("SUBMODE", kSubmode),
    QE_KNOWN("BAND_RX", kBandRx),
    QE_KNOWN("QSLMSG", kQslMsg),
};
#undef QE_KNOWN

// Where a packed, upper-cased name may stand in the table of known names.
constexpr unsigned nameSlot(const PackedName& name) {
    return static_cast<unsigned>(((name.low ^ (name.high * 31)) * 0xEEEACBE226E87591ULL) >> 58);
}

struct NameTable {
    std::array<qint8, 64> known{};
    bool distinct = true;
};

constexpr NameTable makeNameTable() {
    NameTable table;
    for (auto& entry : table.known) {
        entry = -1;
    }
    for (size_t i = 0; i < std::size(kKnownNames); ++i) {
        qint8& entry = table.known[nameSlot(kKnownNames[i].name)];
        table.distinct = table.distinct && entry < 0;
        entry = static_cast<qint8>(i);
    }
    return table;
}

inline constexpr NameTable kNameTable = makeNameTable();
static_assert(kNameTable.distinct, "two known field names share a slot");

// The field a tag name stands for (any case), or kFieldCount for any other
// name. `readable`: how many bytes from the name's start may be looked at.
inline Field fieldNamed(QByteArrayView name, qsizetype readable = 0) {
    if (name.size() < 4 || name.size() > 13) {
        return kFieldCount;
    }
    PackedName packed;
    if (readable >= 16) {
        // Read in place: words loaded from a fresh copy would wait for it.
        std::memcpy(&packed.low, name.data(), 8);
        std::memcpy(&packed.high, name.data() + 8, 8);
        const auto kept = [](qsizetype bytes) {
            return bytes >= 8 ? ~quint64(0) : (quint64(1) << (8 * bytes)) - 1;
        };
        packed.low &= kept(name.size());
        packed.high &= name.size() > 8 ? kept(name.size() - 8) : 0;
    } else {
        char bytes[16] = {};
        std::memcpy(bytes, name.data(), static_cast<size_t>(name.size()));
        std::memcpy(&packed.low, bytes, 8);
        std::memcpy(&packed.high, bytes + 8, 8);
    }
    packed.low = upperAscii(packed.low);
    packed.high = upperAscii(packed.high);
    const int index = kNameTable.known[nameSlot(packed)];
    if (index < 0) {
        return kFieldCount;
    }
    const KnownName& known = kKnownNames[index];
    return known.name == packed && known.size == name.size() ? known.field : kFieldCount;
}

// The raw value of each used field of one QSO, before cleaning. Left
// uninitialised where absent: it is made for every QSO of a log.
class FieldSpans {
  public:
    bool has(Field field) const { return (present_ & (1U << field)) != 0; }
    QByteArrayView value(Field field) const {
        return has(field) ? QByteArrayView(begins_[field], sizes_[field]) : QByteArrayView();
    }
    void set(Field field, QByteArrayView value) {
        present_ |= 1U << field;
        begins_[field] = value.data();
        sizes_[field] = value.size();
    }

  private:
    quint32 present_ = 0;
    const char* begins_[kFieldCount];
    qsizetype sizes_[kFieldCount];
};

// Takes each QSO a record reader finds: its raw values and where its text
// lies in the piece of the log being read; `cut` when a later CALL tag, not
// an <EOR>, ended it.
using QsoFound =
    std::function<void(const FieldSpans& qso, qsizetype spanBegin, qsizetype spanEnd, bool cut)>;

}  // namespace adif
