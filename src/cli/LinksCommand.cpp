// pelmo-cli link / links: link recognition on a text, and the captured links of an items file,
// listed or written as the page "Export as HTML" writes.
#include <cstdio>
#include <deque>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <iterator>
#include <string>

#include "model/ItemFiles.h"
#include "cli/Commands.h"
#include "framework/BufferedFile.h"
#include "web/LinkRecognition.h"
#include "web/LinksPage.h"

namespace pelmo::cli {

namespace {

int LinksUsage() {
  std::fputs("usage: pelmo-cli links [--html OUT] FILE\n", stderr);
  return 2;
}

int WritePage(const std::string& path, const std::deque<std::string>& links) {
  const std::string page = BuildLinksPage(links);
  try {
    SafeFile file(path);
    file.Write(page.data(), page.size());
    file.Commit();
  } catch (const FileError& error) {
    std::fprintf(stderr, "pelmo-cli: %s\n", error.what());
    return 1;
  }
  return 0;
}

}  // namespace

int RunLink(const Arguments& args) {
  if (!args.empty()) {
    std::fputs("usage: pelmo-cli link < TEXT\n", stderr);
    return 2;
  }
#ifdef _WIN32
  // The text as captured: no line-end translation and no end at Ctrl+Z; one line feed after it.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::string text;
  char block[1 << 16];
  size_t read;
  while ((read = std::fread(block, 1, sizeof block, stdin)) > 0) text.append(block, read);
  const std::string link = ExtractLink(text);
  if (link.empty()) return 1;
  std::fwrite(link.data(), 1, link.size(), stdout);
  std::fputc('\n', stdout);
  return 0;
}

int RunLinks(const Arguments& args) {
  std::string file;
  std::string html;
  for (auto arg = args.begin(); arg != args.end(); ++arg) {
    if (*arg == "--html" && std::next(arg) != args.end() && html.empty()) {
      html = *++arg;
    } else if (arg->empty() || (*arg)[0] == '-' || !file.empty()) {
      return LinksUsage();
    } else {
      file = *arg;
    }
  }
  if (file.empty()) return LinksUsage();
  const Loaded<ItemsFile> loaded = LoadItemsFile(file);
  if (!loaded.opened) {
    std::fprintf(stderr, "pelmo-cli: %s: cannot open the file\n", file.c_str());
    return 1;
  }
  const std::deque<std::string> links(loaded.content.links.begin(), loaded.content.links.end());
  if (!html.empty()) {
    if (WritePage(html, links) != 0) return 1;
  } else {
    for (const std::string& link : links) {
      std::fwrite(link.data(), 1, link.size(), stdout);
      std::fputc('\n', stdout);
    }
  }
  if (!loaded.error) return 0;
  std::fprintf(stderr, "pelmo-cli: %s: damaged at byte %llu: %s\n", file.c_str(),
               static_cast<unsigned long long>(loaded.error->Offset()),
               loaded.error->Problem().c_str());
  return 1;
}

}  // namespace pelmo::cli
