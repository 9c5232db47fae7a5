#include "Compiler.h"

#include "CodePage.h"
#include "Parser.h"
#include "Preprocessor.h"

namespace kvr::rc {

namespace {

void convert(Text& text, CodePageConverter& converter) {
  text.bytes = converter.convert(text.utf8, text.where);
}

}  // namespace

Script compileScript(const std::string& path, FileSource& files,
                     const std::vector<std::string>& includeDirs) {
  Preprocessor tokens(files, path, includeDirs);
  Parser parser(tokens, files);
  Script script = parser.parse();

  CodePageConverter converter(script.codePage);
  for (auto& [id, text] : script.strings) convert(text, converter);
  for (auto& [id, dialog] : script.dialogs) {
    convert(dialog.caption, converter);
    convert(dialog.fontFace, converter);
    for (auto& control : dialog.controls) {
      convert(control.className, converter);
      convert(control.text, converter);
    }
  }
  return script;
}

}  // namespace kvr::rc
