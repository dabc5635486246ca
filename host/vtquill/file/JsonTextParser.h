#pragma once

#include <string_view>

#include <rapidjson/document.h>

namespace VTQUILL::File {

// Parses JSON text into a RapidJSON document as model files need it: iteratively (no
// recursion, however deep the nesting), validating UTF-8, and converting every number from
// its text with std::from_chars, which reads each number exactly (correctly rounded).
// RapidJSON 1.1.0's own full-precision conversion misreads a zero significand with an
// exponent beyond +-22 ("0e300" comes out as garbage such as 1.45e+281), so numbers reach
// RapidJSON only as text.
//
// An integer that fits 64 bits becomes an integer value, as RapidJSON makes them; any other
// number a double. A number too large for a double is the error kParseErrorNumberTooBig at
// the number; one too small for a double reads as zero.
//
// Every string and key of the document is UTF-8: a lone low-surrogate escape ("\udc00"),
// which RapidJSON would decode into bytes that are not UTF-8, is the error
// kParseErrorStringUnicodeSurrogateInvalid at the end of its string.
class JsonTextParser {
public:
    // Fills `document` (left null on an error) and returns the error code and its byte offset.
    static rapidjson::ParseResult parse(std::string_view text, rapidjson::Document& document);
};

}  // namespace VTQUILL::File
