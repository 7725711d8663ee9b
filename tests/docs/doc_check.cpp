// doc_check CONFIG FILE.md...: every example of the documentation, checked.
//
// Fenced blocks by their info string:
//   ```c / ```cpp     compiled (C11 / C++17, warnings as errors) against the
//                     library's headers and shared libraries, and run: a
//                     block with main() is a whole program; any other block
//                     is a fragment, put in a function that receives a
//                     ready context (C: RtContext* ctxt, C++: px::Context&
//                     ctx) and returns 0, or whatever the fragment returns.
//                     A program must exit 0. A block whose first line is a
//                     comment naming examples/FILE must equal that file.
//   ```c excerpt      no code of its own: must appear, whitespace aside, in
//                     one of the public headers.
//   ```console        "$ command" lines run by sh in a scratch directory
//                     (samples/ linked in, the tool on PATH); a trailing
//                     "# exit N" gives the expected exit status (default 0);
//                     the lines after a command are output that must appear,
//                     in this order, as whole lines ("..." skips).
//   ```text output    (or ```xml output, ...) right after a C or C++ block:
//                     lines its program must print, matched as for console.
// Other blocks (```sh, ```json, ...) are text. A block whose info string
// also says "compile-only" is compiled, not run; "must-fail:KIND" inverts
// the verdict for the checker's own tests: the block must fail, and by
// KIND (compile, exit, example, excerpt, status or output). The config
// file holds key=value lines: source, include, work, tool_dir, cc, cxx,
// flags, libs, rpath.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Block {
  std::string lang;
  std::vector<std::string> attrs;
  std::vector<std::string> lines;
  int line = 0;  // of the opening fence
  bool has(const std::string& attr) const {
    for (const std::string& a : attrs)
      if (a == attr) return true;
    return false;
  }
};

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string rtrim(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.pop_back();
  return s;
}

std::vector<std::string> words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

std::vector<Block> readBlocks(const fs::path& file) {
  std::vector<Block> blocks;
  std::vector<std::string> lines = splitLines(slurp(file));
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = rtrim(lines[i]);
    if (line.rfind("```", 0) != 0) continue;
    size_t ticks = line.find_first_not_of('`');
    std::string fence = line.substr(0, ticks == std::string::npos ? line.size() : ticks);
    Block b;
    b.line = static_cast<int>(i + 1);
    std::vector<std::string> info = words(line.substr(fence.size()));
    if (!info.empty()) {
      b.lang = info[0];
      b.attrs.assign(info.begin() + 1, info.end());
    }
    for (++i; i < lines.size() && rtrim(lines[i]) != fence; ++i) b.lines.push_back(lines[i]);
    blocks.push_back(std::move(b));
  }
  return blocks;
}

std::string join(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += l + "\n";
  return s;
}

// sh -c COMMAND in DIR: the exit status, standard output and error in *out.
int run(const std::string& command, const fs::path& dir, std::string* out) {
  fs::path script = dir / ".doc_check.sh", log = dir / ".doc_check.out";
  std::ofstream(script) << command << "\n";
  std::string line = "cd '" + dir.string() + "' && timeout 120 sh .doc_check.sh > .doc_check.out 2>&1 < /dev/null";
  int status = std::system(line.c_str());
  *out = slurp(log);
  fs::remove(script);
  fs::remove(log);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

class Checker {
 public:
  explicit Checker(std::map<std::string, std::string> config) : config_(std::move(config)) {
    for (const auto& entry : fs::recursive_directory_iterator(config_["include"]))
      if (entry.is_regular_file()) headers_ += squeeze(slurp(entry.path())) + "\n";
  }

  // Checks one markdown file; false when a block failed.
  bool checkFile(const fs::path& md) {
    work_ = fs::path(config_["work"]) / md.stem();
    fs::remove_all(work_);
    fs::create_directories(work_);
    fs::create_directory_symlink(fs::path(config_["source"]) / "samples", work_ / "samples");
    bool ok = true;
    int checked = 0;
    std::vector<Block> blocks = readBlocks(md);
    for (size_t i = 0; i < blocks.size(); ++i) {
      const Block& b = blocks[i];
      const Block* shown = i + 1 < blocks.size() && blocks[i + 1].has("output") ? &blocks[i + 1] : nullptr;
      file_ = md.filename().string();
      where_ = file_ + ":" + std::to_string(b.line);
      std::string why;
      failKind_.clear();
      bool passed;
      if (b.lang == "c" || b.lang == "cpp") passed = b.has("excerpt") ? excerpt(b, &why) : code(b, shown, &why);
      else if (b.lang == "console") passed = console(b, &why);
      else if (b.has("output")) passed = i > 0 && isProgram(blocks[i - 1]) ? true : orphanOutput(&why);
      else continue;
      ++checked;
      if (std::string kind = mustFail(b); !kind.empty()) {
        bool right = !passed && failKind_ == kind;
        if (passed) std::cout << where_ << ": FAIL: the block passed, but it must fail (" << kind << ")\n";
        else if (!right) std::cout << where_ << ": FAIL: fails by " << failKind_ << ", not " << kind << ": " << why << "\n";
        else std::cout << where_ << ": fails as it must (" << kind << "): " << firstLine(why) << "\n";
        ok = ok && right;
      } else {
        std::cout << where_ << ": " << (passed ? "ok " + b.lang : "FAIL: " + why) << "\n";
        ok = ok && passed;
      }
    }
    std::cout << md.filename().string() << ": " << checked << " blocks checked" << (ok ? "" : ", some FAILED") << "\n";
    return ok;
  }

 private:
  static std::string squeeze(const std::string& text) {
    std::string out;
    for (char c : text) {
      bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r';
      if (!space) out += c;
      else if (!out.empty() && out.back() != ' ') out += ' ';
    }
    return rtrim(out);
  }

  static std::string firstLine(const std::string& s) { return s.substr(0, s.find('\n')); }

  // Records why a block failed, and how: compile, exit, example, excerpt,
  // console, status or output.
  bool fail(std::string* why, const char* kind, std::string text) {
    failKind_ = kind;
    *why = std::move(text);
    return false;
  }

  // "must-fail:KIND" in the info string: the way the block must fail.
  static std::string mustFail(const Block& b) {
    for (const std::string& a : b.attrs)
      if (a.rfind("must-fail:", 0) == 0) return a.substr(10);
    return "";
  }

  static bool isProgram(const Block& b) { return (b.lang == "c" || b.lang == "cpp") && !b.has("excerpt"); }

  // Output shown after anything but a program would be checked by nobody.
  bool orphanOutput(std::string* why) {
    return fail(why, "output", "an output block must follow the C or C++ block whose output it is");
  }

  bool excerpt(const Block& b, std::string* why) {
    if (headers_.find(squeeze(join(b.lines))) != std::string::npos) return true;
    return fail(why, "excerpt", "this excerpt is not in the public headers");
  }

  // A block that names a file of examples/ must be that file.
  bool sameAsExample(const Block& b, std::string* why) {
    static const std::regex names(R"(^\s*(//|/\*)\s*(examples/[A-Za-z0-9_.-]+\.(c|cpp))\b)");
    std::smatch m;
    if (b.lines.empty() || !std::regex_search(b.lines[0], m, names)) return true;
    fs::path file = fs::path(config_.at("source")) / m[2].str();
    if (!fs::exists(file)) return fail(why, "example", m[2].str() + " does not exist");
    if (slurp(file) == join(b.lines)) return true;
    return fail(why, "example", "the block differs from " + m[2].str());
  }

  bool code(const Block& b, const Block* shown, std::string* why) {
    if (!sameAsExample(b, why)) return false;
    bool cxx = b.lang == "cpp";
    static const std::regex hasMain(R"(\bint\s+main\s*\()");
    std::string source = join(b.lines);
    std::string origin = "#line " + std::to_string(b.line + 1) + " \"" + file_ + "\"\n";
    source = std::regex_search(source, hasMain) ? origin + source : wrapFragment(origin + source, cxx);
    std::string stem = "block" + std::to_string(b.line);
    fs::path src = work_ / (stem + (cxx ? ".cpp" : ".c")), exe = work_ / stem;
    std::ofstream(src) << source;
    std::string compile = (cxx ? config_["cxx"] + " -std=c++17" : config_["cc"] + " -std=c11") +
                          " -Wall -Wextra -Wpedantic -Werror -g -pthread " + config_["flags"] + " -I" + config_["include"] +
                          " -o " + exe.string() + " " + src.string() + " " + config_["libs"] + " -Wl,-rpath," +
                          config_["rpath"];
    std::string out;
    if (run(compile, work_, &out) != 0) return fail(why, "compile", "does not compile:\n" + out);
    if (b.has("compile-only")) return true;
    int status = run("./" + stem, work_, &out);
    if (status != 0) return fail(why, "exit", "exits with " + std::to_string(status) + ":\n" + out);
    std::string missing;
    if (shown && !printsInOrder(out, shown->lines, &missing))
      return fail(why, "output", "prints no line (or not in this order):\n" + missing + "\noutput:\n" + out);
    return true;
  }

  static std::string wrapFragment(const std::string& body, bool cxx) {
    if (cxx)
      return "#include <cstdio>\n#include <cstring>\n#include <string>\n#include <string_view>\n#include <vector>\n"
             "#include \"pxxml/presence.hpp\"\n#include \"pxxml/simple.hpp\"\n"
             "static int example(px::Context& ctx) {\n(void)ctx;\n" +
             body + "return 0;\n}\nint main() {\n  px::Context ctx;\n  return ctx ? example(ctx) : 99;\n}\n";
    return "#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n#include \"pxxml/presence.h\"\n"
           "#include \"pxxml/simple/simple.h\"\n"
           "static int example(RtContext* ctxt) {\n(void)ctxt;\n" +
           body + "return 0;\n}\nint main(void) {\n  RtContext* ctxt = rtxNewContext();\n"
           "  int status = PxInit_SIMPLE_Global(ctxt) ? 99 : example(ctxt);\n  rtxDeleteContext(ctxt);\n"
           "  return status;\n}\n";
  }

  // Every expected line (but empty ones and "...") is a whole line of the
  // output, in this order; *missing is the first that is not.
  static bool printsInOrder(const std::string& out, const std::vector<std::string>& expected, std::string* missing) {
    std::vector<std::string> got = splitLines(out);
    size_t at = 0;
    for (const std::string& want : expected) {
      std::string line = rtrim(want);
      if (line.empty() || line == "...") continue;
      while (at < got.size() && rtrim(got[at]) != line) ++at;
      if (at == got.size()) {
        *missing = line;
        return false;
      }
      ++at;
    }
    return true;
  }

  bool console(const Block& b, std::string* why) {
    static const std::regex exitNote(R"(#\s*exit\s+(status\s+)?([0-9]+)\s*$)");
    std::string path = "PATH='" + config_["tool_dir"] + "':\"$PATH\"; ";
    for (size_t i = 0; i < b.lines.size();) {
      if (b.lines[i].rfind("$ ", 0) != 0) return fail(why, "console", "output before any command: " + b.lines[i]);
      std::string command = b.lines[i++].substr(2);
      while (!command.empty() && command.back() == '\\' && i < b.lines.size()) command += "\n" + b.lines[i++];
      std::vector<std::string> expected;
      for (; i < b.lines.size() && b.lines[i].rfind("$ ", 0) != 0; ++i) expected.push_back(rtrim(b.lines[i]));
      std::smatch m;
      int wanted = std::regex_search(command, m, exitNote) ? std::stoi(m[2].str()) : 0;
      std::string out;
      int status = run(path + command, work_, &out);
      if (status != wanted)
        return fail(why, "status", "$ " + command + "\nexits with " + std::to_string(status) + ", not " +
                                       std::to_string(wanted) + ":\n" + out);
      std::string missing;
      if (!printsInOrder(out, expected, &missing))
        return fail(why, "output", "$ " + command + "\nprints no line (or not in this order):\n" + missing +
                                       "\noutput:\n" + out);
    }
    return true;
  }

  std::map<std::string, std::string> config_;
  std::string headers_;
  fs::path work_;
  std::string file_, where_, failKind_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: doc_check CONFIG FILE.md...\n";
    return 2;
  }
  std::map<std::string, std::string> config;
  for (const std::string& line : splitLines(slurp(argv[1])))
    if (size_t eq = line.find('='); eq != std::string::npos) config[line.substr(0, eq)] = line.substr(eq + 1);
  for (const char* key : {"source", "include", "work", "tool_dir", "cc", "cxx", "libs", "rpath"})
    if (config[key].empty()) {
      std::cerr << "doc_check: " << argv[1] << " gives no " << key << "\n";
      return 2;
    }
  Checker checker(config);
  bool ok = true;
  for (int i = 2; i < argc; ++i) {
    if (!fs::exists(argv[i])) {
      std::cerr << "doc_check: no file " << argv[i] << "\n";
      ok = false;
      continue;
    }
    ok = checker.checkFile(argv[i]) && ok;
  }
  return ok ? 0 : 1;
}
