// Dial strings of the directory memories and their MPT1327 addresses.
#include "cells/numbering/mpt_dial.h"

#include "cells/numbering/mpt_layout.h"
#include "image/eeprom.h"

namespace xtr {
namespace {

int NibbleAt(const cmcEeprom& image, int32_t address, int n)
{
    const uint8_t byte = image.GetByte(address + n / 2);
    return n % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

void SetNibbleAt(cmcEeprom& image, int32_t address, int n, int value)
{
    const int32_t a = address + n / 2;
    const uint8_t byte = image.GetByte(a);
    const uint8_t v = static_cast<uint8_t>(value & 0x0F);
    image.SetByte(a, n % 2 == 0 ? static_cast<uint8_t>((byte & 0x0F) | (v << 4)) : static_cast<uint8_t>((byte & 0xF0) | v));
}

bool IsSymbol(int nibble) { return nibble <= kDialHash; }

char SymbolChar(int nibble)
{
    if (nibble == kDialStar) {
        return '*';
    }
    return nibble == kDialHash ? '#' : static_cast<char>('0' + nibble);
}

// Number of symbols before the end of the string.
int SymbolCount(const cmcEeprom& image, const DialField& field)
{
    const int limit = field.maxSymbols < field.nibbles ? field.maxSymbols : field.nibbles;
    int n = 0;
    while (n < limit && IsSymbol(NibbleAt(image, field.address, n))) {
        ++n;
    }
    return n;
}

int32_t Value(std::string_view digits)
{
    int32_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// The Mpt form of a dialled number: [shown prefix (3)] [shown fleet (4)]
// IFN (2 or 3). Without a fleet the number lies in the own individual fleet
// and its IFN must have as many digits as the own numbers; a number in
// another fleet is judged by the general limits only, since the other
// fleet's extent is not known here.
MptAddress MptDialAddress(const cmcEeprom& image, std::string_view digits, const MptNumbering& numbering)
{
    datMptNum number = MakeNumberPlan(image, kMptEither, numbering);
    if (digits.size() == 9 || digits.size() == 10) {
        number.SetPrefixShown(Value(digits.substr(0, 3)));
        digits.remove_prefix(3);
    }
    int32_t base = number.IndividualBase();
    if (digits.size() == 6 || digits.size() == 7) {
        base = 2 * Value(digits.substr(0, 4)) - 2 * kMptFleetShownOrigin;
        digits.remove_prefix(4);
        number.SetThreeDigit(digits.size() == 3);
        number.SetPlan(number.IndividualBase(), number.GroupBase(), kMptLastIdent, kMptLastIdent);
    }
    const size_t ifnDigits = number.ThreeDigit() ? 3 : 2;
    if (digits.size() != ifnDigits) {
        return {};
    }
    number.SetByIfn(base, Value(digits));
    if (!number.IsValid()) {
        return {};
    }
    return {number.Prefix(), number.Ident(), true};
}

MptAddress CpsDialAddress(const cmcEeprom& image, std::string_view digits, const MptNumbering& numbering)
{
    datMptNum number = MakeNumberPlan(image, kMptEither, numbering);
    if (!number.Parse(digits, kMptGroup) || !number.IsValid()) {
        return {};
    }
    return {number.Prefix(), number.Ident(), true};
}

}  // namespace

DialField DirectoryDialField(int32_t row)
{
    return {mptmap::kDirectoryRows + mptmap::kDirectoryRowSize * row + mptmap::kDirectoryDigits,
            2 * mptmap::kDirectoryDigitBytes, 16};
}

std::string DialStringText(const cmcEeprom& image, const DialField& field)
{
    std::string text;
    const int count = SymbolCount(image, field);
    for (int n = 0; n < count; ++n) {
        text += SymbolChar(NibbleAt(image, field.address, n));
    }
    return text;
}

bool NormalizeDialString(cmcEeprom& image, const DialField& field)
{
    bool changed = false;
    for (int n = SymbolCount(image, field); n < field.nibbles; ++n) {
        if (NibbleAt(image, field.address, n) != kDialEnd) {
            SetNibbleAt(image, field.address, n, kDialEnd);
            changed = true;
        }
    }
    return changed;
}

int StoreDialString(cmcEeprom& image, const DialField& field, std::string_view text, bool signsAllowed)
{
    const int limit = field.maxSymbols < field.nibbles ? field.maxSymbols : field.nibbles;
    int n = 0;
    for (char c : text) {
        int nibble = -1;
        if (c >= '0' && c <= '9') {
            nibble = c - '0';
        } else if (signsAllowed && c == '*') {
            nibble = kDialStar;
        } else if (signsAllowed && c == '#') {
            nibble = kDialHash;
        }
        if (nibble < 0 || n == limit) {
            break;
        }
        SetNibbleAt(image, field.address, n++, nibble);
    }
    for (int i = n; i < field.nibbles; ++i) {
        SetNibbleAt(image, field.address, i, kDialEnd);
    }
    return n;
}

MptAddress DirectoryAddress(const cmcEeprom& image, int32_t row, const MptNumbering& numbering)
{
    // The whole field counts here, not only the symbols that the cell shows.
    const DialField field = DirectoryDialField(row);
    std::string digits;
    for (int n = 0; n < field.nibbles; ++n) {
        const int nibble = NibbleAt(image, field.address, n);
        if (nibble == kDialStar || nibble == kDialHash) {
            return {};  // a sign makes the entry a dialling sequence, not an address
        }
        if (nibble > 9) {
            break;
        }
        digits += static_cast<char>('0' + nibble);
    }
    if (digits.empty()) {
        return {};
    }
    return numbering.scheme == MptScheme::Cps ? CpsDialAddress(image, digits, numbering)
                                              : MptDialAddress(image, digits, numbering);
}

void UpdateDirectoryAddress(cmcEeprom& image, int32_t row, const MptNumbering& numbering)
{
    const MptAddress address = DirectoryAddress(image, row, numbering);
    const int32_t at = mptmap::kDirectoryRows + mptmap::kDirectoryRowSize * row;
    image.SetByte(at + mptmap::kDirectoryPrefix, static_cast<uint8_t>(address.valid ? address.prefix : 0));
    SetImageWord(image, at + mptmap::kDirectoryIdent, address.valid ? address.ident : 0);
}

void UpdateDirectoryAddresses(cmcEeprom& image, const MptNumbering& numbering)
{
    for (int32_t row = 0; row < mptmap::kDirectoryRowCount; ++row) {
        UpdateDirectoryAddress(image, row, numbering);
    }
}

void UpdateDirectoryAddresses(cmcEeprom& image)
{
    UpdateDirectoryAddresses(image, CurrentNumbering());
}

}  // namespace xtr
