#pragma once
// The parameter model's values inside one 8192-byte setting table image:
// reading them out, clearing the model's own bits and bytes, merging the
// bit-field values and writing the byte and word values. Every address is
// checked against the table, so a bad entry in the setting files can never
// reach a neighbouring table.

#include "datamodel/common/Enums.h"

#include <QByteArray>
#include <cstdint>

namespace Telva27 {

class clsDigital;
class colclsFunction;

class ParameterImage {
public:
    static constexpr int32_t kTableSize = 8192;

    explicit ParameterImage(const colclsFunction& model) : model_(model) {}

    // Every parameter's value into StdValue (eSTD) or UserValue (eUSR), and the
    // limits of those that take them from the table. Throws Subscript at the
    // first address outside the table; the parameters before it keep their values.
    void readValues(const QByteArray& table, ENUM_USRSTD kind) const;

    // Clears every parameter's bits (bit fields) or first byte (bytes, words).
    void reset(QByteArray& table) const;
    // ORs each bit-field user value into its byte. Throws Overflow for a value
    // that does not fit its mask, so that it never spills into other bits.
    void mergeBitFields(QByteArray& table) const;
    // Writes the byte and word user values. Throws Overflow for a value out of
    // range: 0..255 for a byte, -32768..65535 for a word.
    void writeValues(QByteArray& table) const;

private:
    static int32_t readValue(const QByteArray& table, const clsDigital& d);
    static void readLimits(const QByteArray& table, clsDigital& d);

    const colclsFunction& model_;
};

} // namespace Telva27
