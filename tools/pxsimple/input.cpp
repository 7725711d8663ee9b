// Input files and standard input.
#include "input.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>

namespace pxsimple {

bool readInput(const std::string& name, std::string* text, std::string* error) {
  text->clear();
  if (name == "-") {
    text->assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    if (text->empty()) *error = "(standard input): nothing was given on standard input";
    return !text->empty();
  }
  struct stat st {};
  if (stat(name.c_str(), &st) != 0) {
    *error = name + ": " + (errno == ENOENT ? "no such file" : std::strerror(errno));
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    *error = name + ": is a directory; give the document files in it";
    return false;
  }
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (!f) {
    *error = name + ": cannot be read: " + std::strerror(errno);
    return false;
  }
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text->append(buf, n);
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) {
    *error = name + ": cannot be read";
    return false;
  }
  if (text->empty()) {
    *error = name + ": is empty; a document has at least its root element";
    return false;
  }
  return true;
}

}  // namespace pxsimple
