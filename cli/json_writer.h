// JsonWriter: the --json output of karvoctl, written as it goes: objects, arrays, strings,
// numbers and booleans on one line, with the commas and the escaping done here so no command
// assembles JSON by hand.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace karvo::cli {

class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}
    // Ends the line once the outermost value is complete.
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The name of the next member of the open object.
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(int number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(bool flag);
    JsonWriter& null();

    // A JSON string literal: quotes, and escapes for quotes, backslashes and control
    // characters; other bytes (UTF-8) pass as they are.
    static std::string quote(std::string_view text);

  private:
    void beforeValue();

    std::ostream& out_;
    std::vector<bool> first_;  // per open container: no member written yet
    bool afterKey_ = false;
    bool wroteAny_ = false;
};

}  // namespace karvo::cli
