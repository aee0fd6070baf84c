#pragma once
// The customize pins' fields inside one 8192-byte setting table image: reading
// them out, clearing them and writing them back. A field owns exactly the bits
// of its mask at its address; every other bit of a byte, whoever else shares
// it, is left as it was. Pins are checked when they are defined, so that no
// field can reach the table header or leave the table.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace Telva27 {

class clsCustom;
class colclsCustom;

class CustomizeImage {
public:
    static constexpr int32_t kTableSize = 8192;
    // Offsets 0-11 hold the table header, which the customize fields never touch.
    static constexpr int32_t kHeaderSize = 12;

    // One value of a pin in the table: the bits it owns at its address.
    struct Field {
        const char* name;
        int32_t address;
        uint8_t mask;  // 0xFF for a whole byte; 0 owns nothing (always reads 0, holds only 0)
        bool shifted;  // held moved down to bit 0; Duty is held as its masked byte
        uint8_t (clsCustom::*get)() const;
        void (clsCustom::*set)(int64_t);
    };

    explicit CustomizeImage(const colclsCustom& pins) : pins_(pins) {}

    // Every pin's values from the table, in collection order. Throws Subscript
    // at a field outside the table; the pins before it keep their new values.
    void readValues(const QByteArray& table) const;
    // Clears every field of every pin. Throws Subscript for a field in the
    // header or outside the table, before anything is changed.
    void reset(QByteArray& table) const;
    // Writes every pin's values into fields cleared by reset. Throws Subscript
    // as reset does, Overflow for a value wider than its field, and Invalid
    // property value when two fields sharing bits were given different values.
    void writeValues(QByteArray& table) const;

    // Throws "Invalid property value" naming the pin and field when a field
    // the pin writes lies in the header or outside the table.
    void checkPlacement(const clsCustom& pin) const;

private:
    // Calls visit(field) for each field a pin reads and writes: function code,
    // logic and action for every pin; the delays for an output pin; chopping,
    // full-wave time and duty for an output pin that has them. Visited in code
    // rather than listed: every read of a table visits them for each pin.
    template <typename Visit>
    static void forEachField(const clsCustom& pin, Visit&& visit);

    static void checkWritable(const clsCustom& pin, const Field& field);
    static QString misplacement(const Field& field);
    const colclsCustom& pins_;
};

} // namespace Telva27
