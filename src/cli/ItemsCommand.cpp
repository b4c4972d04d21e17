// pelmo-cli items / quickrep / calc --history: lists the content of an items file, a Quick Replace
// file or the calculator's history file, as text for people or as JSON for programs. A damaged
// file lists what was read before the fault.
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ItemFiles.h"
#include "model/CalculatorHistory.h"
#include "cli/Commands.h"
#include "framework/AnsiCodePage.h"

namespace pelmo::cli {

namespace {

struct Options {
  bool json = false;
  std::string file;
};

std::optional<Options> ParseOptions(const Arguments& args, const char* command) {
  Options options;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      options.json = true;
    } else if (arg.empty() || arg[0] == '-' || !options.file.empty()) {
      std::fprintf(stderr, "usage: pelmo-cli %s [--json] FILE\n", command);
      return std::nullopt;
    } else {
      options.file = arg;
    }
  }
  if (options.file.empty()) {
    std::fprintf(stderr, "usage: pelmo-cli %s [--json] FILE\n", command);
    return std::nullopt;
  }
  return options;
}

// UTF-16 text as a double-quoted UTF-8 string, control characters escaped the JSON way or the C
// way. JSON escapes a lone surrogate too, so that the text stays exact; the plain listing shows
// it as U+FFFD.
std::string QuotedUnits(std::u16string_view units, bool json) {
  std::u16string escaped;
  escaped.reserve(units.size() + 2);
  const auto escape = [&escaped](const char* code) {
    for (const char* c = code; *c; ++c) escaped += static_cast<char16_t>(*c);
  };
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t c = units[i];
    const bool paired =
        (IsHighSurrogate(c) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) ||
        (IsLowSurrogate(c) && i > 0 && IsHighSurrogate(units[i - 1]));
    switch (c) {
      case u'"':
        escape("\\\"");
        break;
      case u'\\':
        escape("\\\\");
        break;
      case u'\n':
        escape("\\n");
        break;
      case u'\r':
        escape("\\r");
        break;
      case u'\t':
        escape("\\t");
        break;
      default:
        if (c < 0x20 || (json && !paired && (IsHighSurrogate(c) || IsLowSurrogate(c)))) {
          char code[8];
          std::snprintf(code, sizeof code, json ? "\\u%04x" : "\\x%02x", static_cast<unsigned>(c));
          escape(code);
        } else {
          escaped += c;
        }
    }
  }
  return '"' + Utf16ToUtf8(escaped) + '"';
}

// The text (Windows-1252 bytes) quoted the same way.
std::string Quoted(std::string_view ansi, bool json) {
  return QuotedUnits(AnsiToUtf16(ansi), json);
}

// A history entry: its wide text when it has one, so that nothing the ANSI text lost is missing.
std::string Quoted(const HistoryItem& entry, bool json) {
  return entry.wide.empty() ? Quoted(entry.text, json) : QuotedUnits(entry.wide, json);
}

std::string Quoted(const std::unique_ptr<HistoryItem>& entry, bool json) {
  return Quoted(*entry, json);
}

void Print(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

template <typename Text>
void PrintList(const char* title, const std::vector<Text>& texts) {
  std::printf("%s: %zu\n", title, texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    std::printf("  %zu  ", i);
    Print(Quoted(texts[i], false) + '\n');
  }
}

template <typename Text>
std::string JsonList(const std::vector<Text>& texts) {
  std::string json = "[";
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) json += ',';
    json += Quoted(texts[i], true);
  }
  return json + ']';
}

std::string JsonError(const std::optional<ArchiveError>& error) {
  if (!error) return std::string();
  return ",\"error\":{\"offset\":" + std::to_string(error->Offset()) +
         ",\"message\":" + Quoted(error->Problem(), true) + '}';
}

// Reports the outcome of loading and gives the exit status: 1 when the listing is not the whole
// file (damaged, or entries beyond the load limit left out).
template <typename Content>
int Finish(const std::string& file, const Loaded<Content>& loaded) {
  for (const LeftOut& left : loaded.leftOut) {
    std::fprintf(stderr, "pelmo-cli: %s: %zu more %s beyond the first %zu left out\n", file.c_str(),
                 left.count, left.count == 1 ? left.element : left.elements, kMaxLoadedEntries);
  }
  if (loaded.error) {
    std::fprintf(stderr, "pelmo-cli: %s: damaged at byte %llu: %s\n", file.c_str(),
                 static_cast<unsigned long long>(loaded.error->Offset()),
                 loaded.error->Problem().c_str());
  }
  return loaded.Incomplete() ? 1 : 0;
}

// A file that is not there, or is there and cannot be read: told apart.
int CannotOpen(const std::string& file, const std::string& unreadable) {
  if (unreadable.empty()) {
    std::fprintf(stderr, "pelmo-cli: %s: no such file\n", file.c_str());
  } else {
    std::fprintf(stderr, "pelmo-cli: %s: the file exists but cannot be read: %s\n", file.c_str(),
                 unreadable.c_str());
  }
  return 1;
}

}  // namespace

int RunItems(const Arguments& args) {
  const std::optional<Options> options = ParseOptions(args, "items");
  if (!options) return 2;
  const Loaded<ItemsFile> loaded = LoadItemsFile(options->file);
  if (!loaded.opened) return CannotOpen(options->file, loaded.unreadable);
  const ItemsFile& items = loaded.content;
  if (options->json) {
    Print("{\"history\":" + JsonList(items.history) + ",\"clipBook\":" + JsonList(items.clipBook) +
          ",\"links\":" + JsonList(items.links) + JsonError(loaded.error) + "}\n");
  } else {
    PrintList("history", items.history);
    PrintList("clipbook", items.clipBook);
    PrintList("links", items.links);
  }
  std::fflush(stdout);
  return Finish(options->file, loaded);
}

int RunQuickRep(const Arguments& args) {
  const std::optional<Options> options = ParseOptions(args, "quickrep");
  if (!options) return 2;
  const Loaded<std::vector<QuickRepItem>> loaded = LoadQuickRepFile(options->file);
  if (!loaded.opened) return CannotOpen(options->file, loaded.unreadable);
  const std::vector<QuickRepItem>& pairs = loaded.content;
  if (options->json) {
    std::string json = "{\"pairs\":[";
    for (size_t i = 0; i < pairs.size(); ++i) {
      if (i > 0) json += ',';
      json += "{\"shortcut\":" + Quoted(pairs[i].shortcut, true) +
              ",\"text\":" + Quoted(pairs[i].text, true) + '}';
    }
    Print(json + ']' + JsonError(loaded.error) + "}\n");
  } else {
    std::printf("pairs: %zu\n", pairs.size());
    for (size_t i = 0; i < pairs.size(); ++i) {
      Print("  " + std::to_string(i) + "  " + Quoted(pairs[i].shortcut, false) + " -> " +
            Quoted(pairs[i].text, false) + '\n');
    }
  }
  std::fflush(stdout);
  return Finish(options->file, loaded);
}

int RunCalcHistory(const Arguments& args) {
  const std::optional<Options> options = ParseOptions(args, "calc --history");
  if (!options) return 2;
  const Loaded<std::vector<std::string>> loaded =
      LoadCalculatorHistory(options->file, std::numeric_limits<unsigned>::max());
  if (!loaded.opened) return CannotOpen(options->file, loaded.unreadable);
  if (options->json) {
    Print("{\"history\":" + JsonList(loaded.content) + JsonError(loaded.error) + "}\n");
  } else {
    for (const std::string& expression : loaded.content) Print(AnsiToUtf8(expression) + '\n');
  }
  std::fflush(stdout);
  return Finish(options->file, loaded);
}

}  // namespace pelmo::cli
