#pragma once
// The command-line tool: parses the subcommand and runs it. Texts go to the
// terminal as UTF-8; program messages go to standard error.

#include "services/types/ColorRef.h"

#include <iosfwd>
#include <string>
#include <vector>

class CliArgs;
class MapPicture;
class CZephyrmapDoc;
struct Finding;

class CliApp
{
public:
    CliApp();
    CliApp(std::istream& in, std::ostream& out, std::ostream& err);
    int Run(int argc, char* argv[]);
    int Run(const std::vector<std::string>& args);

private:
    int Usage(const std::string& problem);
    int Fail(const std::string& message); // exit status 1
    bool ReadInput(const std::string& name, std::string& bytes);
    bool WriteOutput(const std::string& name, const std::string& bytes);

    int Convert(const std::vector<std::string>& args);
    int Maps(const std::vector<std::string>& args);
    int Import(const std::vector<std::string>& args);
    int Dump(const std::vector<std::string>& args);
    int Html(const std::vector<std::string>& args);
    int Update(const std::vector<std::string>& args);
    int Picture(const std::vector<std::string>& args);
    // The editor's trace tool: a point of a picture to the polygon around it.
    int Trace(const std::vector<std::string>& args);
    int Svg(const std::vector<std::string>& args);
    // A map carried onto a new picture of its scene: the transform found
    // between the pictures, the map written with its areas moved.
    int Refit(const std::vector<std::string>& args);
    int Check(const std::vector<std::string>& args);
    // The program's text (CR LF) in the chosen encoding and line ends to OUT
    // or standard output, a character the encoding lacks as a character
    // reference; false (with a message) when not written.
    bool WriteText(std::string text, int encoding, int lineEnd, const std::string& output);
    // The findings of a map file or a page; false when INPUT could not be read.
    bool CheckMapFile(const std::string& path, std::vector<Finding>& findings);
    bool CheckPageFile(const std::string& path, int encoding, std::vector<Finding>& findings);
    // Reads a native map file into the document and runs the steps the
    // editor runs after opening one; false (with a message) when refused.
    bool OpenMap(const std::string& path, CZephyrmapDoc& doc);
    // Reads a page and decodes it into the program's text, warning when
    // characters could not be read.
    bool ReadPage(const std::string& path, int encoding, std::string& text);
    // The picture named `file` on the command line, loaded over `background`;
    // false (with a message) when it is not a picture or cannot be read.
    bool LoadPicture(const std::string& file, ColorRef background, MapPicture& picture, std::string& path);
    // One of the core's messages, in the language of the run, to standard error.
    void Message(const std::string& message);

    std::istream& m_in;
    std::ostream& m_out;
    std::ostream& m_err;
};
