// Versions compared by their numbers, against a model of the ordering written
// another way: numbers as (length, digits) pairs with trailing zero numbers
// dropped, compared as tuples, where the product pads with zeros instead.
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fuzz_input.h"
#include "jvm/find/version_numbers.h"

const char kDigits[] = "0123456789";
const char kTagCharacters[] =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ._-";

using Number = std::pair<std::size_t, std::string>;  // digits without leading zeros, and their count

struct Model {
    std::vector<std::string> numbers;  // as written, leading zeros dropped
    std::string tag;
};

static Model read(const std::string& text) {
    Model model;
    std::size_t at = 0;
    while (at < text.size() && text.find_first_of(kDigits, at) == at) {
        std::size_t end = text.find_first_not_of(kDigits, at);
        if (end == std::string::npos) end = text.size();
        std::string digits = text.substr(at, end - at);
        std::size_t significant = digits.find_first_not_of('0');
        model.numbers.push_back(significant == std::string::npos ? "" : digits.substr(significant));
        at = end;
        bool separated = end + 1 < text.size() && (text[end] == '.' || text[end] == '_') &&
                         text.find_first_of(kDigits, end + 1) == end + 1;
        if (!separated) break;
        ++at;
    }
    std::size_t tagStart = text.find_first_not_of("-._", at);
    if (tagStart == std::string::npos) return model;
    std::size_t tagEnd = text.find_first_not_of(kTagCharacters, tagStart);
    model.tag = text.substr(tagStart, tagEnd == std::string::npos ? std::string::npos : tagEnd - tagStart);
    lowerAsciiLetters(model.tag);
    return model;
}

// The first `count` numbers (all when count is npos), missing ones as zeros, trailing zeros dropped.
static std::vector<Number> significant(const Model& model, std::size_t count = std::string::npos) {
    std::vector<std::string> numbers = model.numbers;
    if (count != std::string::npos) numbers.resize(count);
    while (!numbers.empty() && numbers.back().empty()) numbers.pop_back();
    std::vector<Number> result;
    for (const std::string& digits : numbers) result.emplace_back(digits.size(), digits);
    return result;
}

static int modelCompare(const Model& a, const Model& b) {
    auto key = [](const Model& m) { return std::make_tuple(significant(m), m.tag.empty(), m.tag); };
    return key(a) < key(b) ? -1 : key(b) < key(a) ? 1 : 0;
}

static bool modelAccepts(const std::string& version, const std::string& required, const std::string& minimum,
                  const std::string& maximum) {
    const Model v = read(version);
    if (!required.empty()) {
        const Model r = read(required);
        if (!r.tag.empty()) return modelCompare(v, r) == 0;
        return significant(v, r.numbers.size()) == significant(r);
    }
    if (!minimum.empty() && modelCompare(v, read(minimum)) < 0) return false;
    if (maximum.empty()) return true;
    const Model m = read(maximum);
    if (!m.tag.empty()) return modelCompare(v, m) <= 0;
    return !(significant(m) < significant(v, m.numbers.size()));
}


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 4);
    for (const std::string& a : parts) {
        for (const std::string& b : parts) {
            FUZZ_CHECK(compareVersionNumbers(a, b) == modelCompare(read(a), read(b)));
        }
    }
    const std::string& version = parts[0];
    FUZZ_CHECK(versionAcceptableByNumbers(version, parts[1], parts[2], parts[3]) ==
               modelAccepts(version, parts[1], parts[2], parts[3]));
    FUZZ_CHECK(versionAcceptableByNumbers(version, "", parts[2], parts[3]) ==
               modelAccepts(version, "", parts[2], parts[3]));
    // A registry version is judged more leniently, never more strictly; and only
    // one that says less than a bound gains from it.
    for (const std::string& required : {parts[1], std::string()}) {
        bool strict = versionAcceptableByNumbers(version, required, parts[2], parts[3]);
        bool lenient = registryVersionAcceptableByNumbers(version, required, parts[2], parts[3]);
        FUZZ_CHECK(!strict || lenient);
        if (lenient && !strict) FUZZ_CHECK(read(version).tag.empty() && !read(version).numbers.empty());
    }

    // The token begins at the first digit and holds only what a version can.
    const std::string token = extractVersionToken(version);
    const std::size_t digit = version.find_first_of(kDigits);
    FUZZ_CHECK(digit == std::string::npos ? token.empty() : version.compare(digit, token.size(), token) == 0);
    FUZZ_CHECK(token.find_first_not_of(std::string(kTagCharacters) + "+") == std::string::npos);
    return 0;
}
