// Finds the text of an entry of a source as an event viewer of this
// program's bitness does, and prints what it met, one line each:
//   value <the source's EventMessageFile as stored>
//   file <that value expanded>
//   text <message 1 formatted with INSERTION, line end removed>
// Ends with 0 when message 1 came out of the file, else 1.
//   message_file_reader SOURCE INSERTION
#include <cstdio>

#include "eventlog_reader/message_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: message_file_reader SOURCE INSERTION\n");
    return 2;
  }
  const std::string value = eventlog_reader::MessageFileValue(argv[1]);
  const std::string file = eventlog_reader::ExpandedPath(value);
  std::string text = eventlog_reader::FormatFromMessageFile(file, 1, {argv[2]});
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  std::printf("value %s\nfile %s\ntext %s\n", value.c_str(), file.c_str(), text.c_str());
  return text.empty() ? 1 : 0;
}
