// A small strict JSON reader for the tests of karvoctl's --json output: it accepts exactly one
// JSON value (objects, arrays, strings with escapes, numbers, true, false, null) and nothing
// after it but a line end, so a test can both check that output parses and look inside it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karvo::testing {

struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool flag = false;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> members;

    const Json& operator[](const std::string& key) const {
        static const Json kNull;
        const auto it = members.find(key);
        return it == members.end() ? kNull : it->second;
    }
    const Json& operator[](std::size_t i) const { return items.at(i); }
    bool has(const std::string& key) const { return members.contains(key); }

    // The value of `text`, or nothing when it is not one JSON value (and a line end).
    static std::optional<Json> parse(std::string_view text) {
        Reader r{text};
        Json value;
        if (!r.value(value))
            return std::nullopt;
        if (r.at < text.size() && text[r.at] == '\n')
            ++r.at;
        if (r.at != text.size())
            return std::nullopt;
        return value;
    }

  private:
    struct Reader {
        std::string_view s;
        std::size_t at = 0;

        bool eat(char c) {
            if (at < s.size() && s[at] == c) {
                ++at;
                return true;
            }
            return false;
        }
        bool word(std::string_view w) {
            if (s.substr(at, w.size()) != w)
                return false;
            at += w.size();
            return true;
        }
        bool string(std::string& out) {
            if (!eat('"'))
                return false;
            while (at < s.size() && s[at] != '"') {
                char c = s[at++];
                if (static_cast<unsigned char>(c) < 0x20)
                    return false;
                if (c == '\\') {
                    if (at >= s.size())
                        return false;
                    const char e = s[at++];
                    switch (e) {
                        case '"':
                        case '\\':
                        case '/':
                            c = e;
                            break;
                        case 'n':
                            c = '\n';
                            break;
                        case 't':
                            c = '\t';
                            break;
                        case 'r':
                            c = '\r';
                            break;
                        case 'b':
                            c = '\b';
                            break;
                        case 'f':
                            c = '\f';
                            break;
                        case 'u': {
                            if (at + 4 > s.size())
                                return false;
                            const auto code = std::stoul(std::string(s.substr(at, 4)), nullptr, 16);
                            at += 4;
                            if (code >= 0x80)
                                return false;  // the tests meet only control characters
                            c = static_cast<char>(code);
                            break;
                        }
                        default:
                            return false;
                    }
                }
                out += c;
            }
            return eat('"');
        }
        bool value(Json& v) {
            if (at >= s.size())
                return false;
            const char c = s[at];
            if (c == '{') {
                ++at;
                v.type = Type::Object;
                if (eat('}'))
                    return true;
                do {
                    std::string key;
                    Json member;
                    if (!string(key) || !eat(':') || !value(member) || v.members.contains(key))
                        return false;
                    v.members.emplace(std::move(key), std::move(member));
                } while (eat(','));
                return eat('}');
            }
            if (c == '[') {
                ++at;
                v.type = Type::Array;
                if (eat(']'))
                    return true;
                do {
                    v.items.emplace_back();
                    if (!value(v.items.back()))
                        return false;
                } while (eat(','));
                return eat(']');
            }
            if (c == '"') {
                v.type = Type::String;
                return string(v.text);
            }
            if (word("true") || word("false")) {
                v.type = Type::Bool;
                v.flag = s[at - 1] == 'e' && s.substr(at - 4, 4) == "true";
                return true;
            }
            if (word("null"))
                return true;
            const std::size_t start = at;
            eat('-');
            while (at < s.size() && ((s[at] >= '0' && s[at] <= '9') || s[at] == '.'))
                ++at;
            if (at == start || (at == start + 1 && s[start] == '-'))
                return false;
            v.type = Type::Number;
            v.number = std::stod(std::string(s.substr(start, at - start)));
            return true;
        }
    };
};

}  // namespace karvo::testing
