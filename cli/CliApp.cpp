#include "cli/CliApp.h"

#include "check/CheckTexts.h"
#include "check/MapChecker.h"
#include "check/PageChecker.h"
#include "cli/CliArgs.h"
#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "formats/NativeMapFile.h"
#include "formats/PageUpdate.h"
#include "formats/SvgWriter.h"
#include "model/CZephyrmapDoc.h"
#include "model/MapCommands.h"
#include "model/Messages.h"
#include "services/fileinfo/PictureInfo.h"
#include "services/language/ProgramTexts.h"
#include "services/paths/LocalFile.h"
#include "services/picture/MapPicture.h"
#include "services/picture/PictureRefit.h"
#include "services/picture/PictureTrace.h"
#include "services/refit/RefitTexts.h"
#include "services/settings/AppSettings.h"
#include "services/text/HtmlPageText.h"
#include "services/text/TextCodec.h"
#include "services/text/TextOutput.h"
#include "services/text/Utf8Bridge.h"
#include "services/text/Utf8String.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <functional>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

namespace
{

// Shows the document's messages on the terminal, as the editor shows them in boxes.
class MessagePrinter : public DocListener
{
public:
    explicit MessagePrinter(std::function<void(const std::string&)> print) : m_print(std::move(print)) {}
    void ShowMessage(const std::string& text, bool) override { m_print(text); }

private:
    std::function<void(const std::string&)> m_print;
};

const char kVersionLine[] = "Zephyrmap !  Version 2.5.3 [Dec. 2009]";
// The exit status of arguments the tool cannot take.
constexpr int kBadArguments = 2;
// The exit status of a conversion that wrote characters the target lacks as something else.
constexpr int kConversionLost = 3;

const char kHelp[] =
    "usage: zephyrmap-cli COMMAND [ARGS]\n"
    "\n"
    "  convert --from CODE --to CODE [--eol-from LE --eol-to LE] [--signature] [--result]\n"
    "          [INPUT|-] [-o OUTPUT|-]\n"
    "      convert text between encodings. CODE: 0 automatic (--from only), 1 Shift-JIS,\n"
    "      2 JIS, 3 EUC-JP, 4 UTF-8, 5 UTF-8 with signature, 6 UTF-16LE, 7 UTF-16BE.\n"
    "      UTF-8 converts to and from Shift-JIS only (--from 4 --to 1, --from 1 --to 4|5).\n"
    "      LE: 0 automatic, 1 CR+LF, 2 LF, 3 CR. Characters the target lacks are written\n"
    "      as \"?\" (from UTF-8) or as their raw bytes; their count and the first one's\n"
    "      line go to standard error, and the exit status is 3\n"
    "  maps PAGE.html [--encoding CODE]\n"
    "      list the usable maps of a page: INDEX<TAB>NAME<TAB>PICTURE\n"
    "  import PAGE.html [--encoding CODE] [--map INDEX] [--document PATH] [--no-default-tail] -o MAP.zmf\n"
    "      read one map of a page into a native map file\n"
    "  dump MAP.zmf [--no-default-tail]\n"
    "      print a native map file as JSON, as the editor opens it\n"
    "  html MAP.zmf [--html-option N] [--indent N] [--src-relative] [--href-relative]\n"
    "       [--keep-in-page-file-name] [--no-default-tail] [--encoding CODE] [--eol LE] [-o OUT]\n"
    "      write the map's IMG/MAP/AREA source as the editor does (default UTF-8, LF);\n"
    "      a character the encoding lacks is written as a character reference (&#233;)\n"
    "  update PAGE.html MAP.zmf [--map NAME] [--encoding CODE] [--html-option N] [--indent N]\n"
    "         [--src-relative] [--href-relative] [--keep-in-page-file-name] [-o OUT]\n"
    "      put the map back into the page: its MAP element named NAME (default: the map's\n"
    "      name) and the IMG tags using it; every other byte of the page stays as it was,\n"
    "      in the page's encoding and line ends (a character the encoding lacks as a\n"
    "      character reference). Links are written relative to PAGE.\n"
    "      Without -o the page itself is updated and its old bytes kept as PAGE.html~\n"
    "  svg MAP.zmf [--src-relative] [--href-relative] [--keep-in-page-file-name] [--encoding CODE] [--eol LE]\n"
    "      [-o OUT]\n"
    "      write the map as an inline <svg> element for a page, in place of the IMG: it scales with\n"
    "      its container and its areas with it (default UTF-8, LF)\n"
    "  check INPUT [--encoding CODE] [--json]\n"
    "      check a map file (.zmf) or an HTML page (each of its maps, and how its IMG tags find\n"
    "      them) for what browsers and screen readers will stumble on: one finding a line, or\n"
    "      with --json one JSON array. Exit status 0 nothing found, 3 findings, 1 unreadable\n"
    "  picture FILE [--background RRGGBB] [--dib OUT]\n"
    "      load a JPEG, GIF, PNG or BMP picture as the editor does and print\n"
    "      WIDTH HEIGHT FILESIZE KIND and the status-bar line; --dib writes the\n"
    "      bitmap of a PNG as loaded (header, colour table, rows)\n"
    "  trace PICTURE X Y [--tolerance T] [--epsilon E] [--max-vertices N]\n"
    "      trace the region around pixel X,Y of the picture as the editor's trace tool\n"
    "      does and print its polygon as the COORDS text the editor writes for it,\n"
    "      each corner once. The region's colour is the one most pixels around X,Y\n"
    "      share, so a point on a label or a border line means the region around it.\n"
    "      T: the colour difference (Delta E) a pixel may have from the region's\n"
    "      colour and still belong to it (default 20); E: how far the polygon may\n"
    "      stray from the region's outline, in pixels (default 1.5); N: at most N\n"
    "      corners (default 300). A region of fewer than 16 pixels is printed, said\n"
    "      on standard error, and the exit status is 3\n"
    "  refit MAP.zmf NEW_PICTURE [-o OUT.zmf] [--json]\n"
    "      carry the map onto a new picture of its scene (exported again at another size,\n"
    "      stretched, cropped, padded, compressed anew or turned a little): find how the new\n"
    "      picture lies over the map's picture, print the transform and how well the pictures\n"
    "      agree (or with --json one JSON object), and write the map with its areas moved and\n"
    "      NEW_PICTURE as its picture to OUT.zmf, or over MAP.zmf. Exit status 1, with the\n"
    "      reason, when the new picture is not the same scene\n"
    "  --help       show this text (COMMAND --help: that command's part of it)\n"
    "  --version    show the version\n";

// One command's part of the help: its usage lines and what it does, from the
// line that names it at the margin of the whole text to the next such line.
std::string CommandHelp(const std::string& command)
{
    const std::string text(kHelp);
    const std::string start = "\n  " + command + " ";
    const std::size_t at = text.find(start);
    if (at == std::string::npos)
        return {};
    std::size_t end = at + 1;
    do {
        end = text.find('\n', end) + 1;
    } while (end < text.size() && text.compare(end, 3, "   ") == 0);
    return "usage: zephyrmap-cli " + text.substr(at + 3, end - at - 3);
}

bool AsksForHelp(const std::vector<std::string>& args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

// All of a stream, unless it passes the read limit every file has.
bool ReadBounded(std::istream& in, std::string& bytes)
{
    bytes.clear();
    std::string chunk(std::size_t(1) << 16, '\0');
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        bytes.append(chunk, 0, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > localfile::kReadLimit) {
            bytes.clear();
            return false;
        }
    }
    return true;
}

} // namespace

CliApp::CliApp() : CliApp(std::cin, std::cout, std::cerr) {}

CliApp::CliApp(std::istream& in, std::ostream& out, std::ostream& err) : m_in(in), m_out(out), m_err(err) {}

int CliApp::Run(int argc, char* argv[])
{
    return Run(std::vector<std::string>(argv + 1, argv + argc));
}

int CliApp::Usage(const std::string& problem)
{
    m_err << "zephyrmap-cli: " << problem << " (see zephyrmap-cli --help)\n";
    return kBadArguments;
}

namespace
{

// A name as the terminal can show it: each byte that is no part of a UTF-8
// character as \xHH.
std::string Shown(const std::string& name)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = utf8::CharLength(name, i);
        if (utf8::IsValid(std::string_view(name).substr(i, length))) {
            shown.append(name, i, length);
            i += length;
            continue;
        }
        const auto byte = static_cast<unsigned char>(name[i++]);
        shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
    }
    return shown;
}

} // namespace

int CliApp::RefuseName(const std::string& name)
{
    m_err << "zephyrmap-cli: the name \"" << Shown(name)
          << "\" is not UTF-8; maps and pages keep names as UTF-8 text, which would change this one and lose "
             "its file: rename it\n";
    return kBadArguments;
}

int CliApp::Fail(const std::string& message)
{
    m_err << "zephyrmap-cli: " << message << "\n";
    return 1;
}

bool CliApp::ReadInput(const std::string& name, std::string& bytes)
{
    if (name.empty() || name == "-") {
        if (ReadBounded(m_in, bytes))
            return true;
        Fail("standard input is larger than " + std::to_string(localfile::kReadLimit >> 20) + " MB");
        return false;
    }
    std::string reason;
    if (!localfile::ReadWholeFile(localfile::PathOf(name), bytes, reason)) {
        Fail("cannot read " + name + ": " + reason);
        return false;
    }
    return true;
}

bool CliApp::WriteOutput(const std::string& name, const std::string& bytes)
{
    if (name.empty() || name == "-") {
        m_out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        m_out.flush();
        return true;
    }
    std::ofstream file(localfile::PathOf(name), std::ios::binary | std::ios::trunc);
    if (!file || !file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !file.flush()) {
        Fail("cannot write " + name + ": " + std::strerror(errno));
        return false;
    }
    return true;
}

int CliApp::Run(const std::vector<std::string>& args)
{
    if (args.empty())
        return Usage("no command given");
    // The program's texts are UTF-8: a name (or any other argument) that is
    // not could be kept only changed, and is refused before anything is read
    // or written.
    for (const std::string& arg : args) {
        if (!utf8::IsValid(arg))
            return RefuseName(arg);
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h") {
        m_out << kHelp;
        return 0;
    }
    if (command == "--version") {
        m_out << kVersionLine << "\n";
        return 0;
    }
    if (AsksForHelp(rest)) {
        const std::string help = CommandHelp(command);
        if (help.empty())
            return Usage("unknown command '" + command + "'");
        m_out << help;
        return 0;
    }
    if (command == "convert")
        return Convert(rest);
    if (command == "maps")
        return Maps(rest);
    if (command == "import")
        return Import(rest);
    if (command == "dump")
        return Dump(rest);
    if (command == "html")
        return Html(rest);
    if (command == "update")
        return Update(rest);
    if (command == "picture")
        return Picture(rest);
    if (command == "trace")
        return Trace(rest);
    if (command == "svg")
        return Svg(rest);
    if (command == "check")
        return Check(rest);
    if (command == "refit")
        return Refit(rest);
    return Usage("unknown command '" + command + "'");
}

namespace
{

// The codec takes UTF-8 on its own route, which has Shift-JIS on the other
// side; any other pair with UTF-8 would read or write it as single bytes.
bool ConvertiblePair(int from, int to)
{
    const auto utf8 = [](int code) { return code == EncodingUtf8 || code == EncodingUtf8Signature; };
    if (from == to || (!utf8(from) && !utf8(to)))
        return true;
    return (from == EncodingUtf8 && to == EncodingShiftJis) || (from == EncodingShiftJis && utf8(to));
}

} // namespace

int CliApp::Convert(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {"--from", "--to", "--eol-from", "--eol-to", "-o"}, {"--signature", "--result"});
    auto from = args.Int("--from", 0, 7);
    // 0, automatic, is a way to read; written, it was the codec's JIS codes
    // without escapes, which no program reads.
    auto to = args.Int("--to", 1, 7);
    auto eolFrom = args.Int("--eol-from", 0, 3);
    auto eolTo = args.Int("--eol-to", 0, 3);
    if (args.Ok() && (!from || !to))
        args.Fail("convert needs --from and --to");
    if (args.Ok() && eolFrom.has_value() != eolTo.has_value())
        args.Fail("--eol-from and --eol-to go together");
    if (args.Ok() && args.Positional().size() > 1)
        args.Fail("convert takes one input");
    if (args.Ok() && !ConvertiblePair(*from, *to))
        args.Fail("UTF-8 (4, 5) converts to and from Shift-JIS (1) only");
    if (!args.Ok())
        return Usage(args.Error());
    std::string bytes;
    if (!ReadInput(args.Positional().empty() ? "" : args.Positional()[0], bytes))
        return 1;
    if (eolFrom) // in the input's own units: UTF-16 line ends are two bytes wide
        TextCodec::ConvertLineEndsIn(*from, *eolFrom, *eolTo, bytes);
    TextCodec codec;
    ConvertedBytes out = codec.ConvertBytes(*from, *to, bytes, args.Has("--signature"));
    std::string output = out.data ? std::string(reinterpret_cast<const char*>(out.data), out.size) : std::string();
    if (!WriteOutput(args.Value("-o").value_or(""), output))
        return 1;
    if (args.Has("--result"))
        m_err << out.result << "\n";
    if (out.lost == 0)
        return 0;
    // The conversion is the codec's, byte for byte; what it lost is said, not hidden.
    m_err << "zephyrmap-cli: " << out.lost << (out.lost == 1 ? " character" : " characters")
          << " the target encoding cannot hold did not convert; the first is on line " << out.firstLostLine << "\n";
    return kConversionLost;
}

void CliApp::Message(const std::string& message)
{
    std::string text = programtexts::TranslateText(message);
    std::erase(text, '\r');
    m_err << text << "\n";
}

std::optional<std::string> CliApp::AbsoluteName(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(localfile::PathOf(path), ec);
    const std::string text = ec ? path : localfile::TextOf(absolute);
    // The current folder's name goes into the map with a relative one.
    if (localfile::HasUnreadableName(text)) {
        RefuseName(text);
        return std::nullopt;
    }
    return text;
}

bool CliApp::ReadPage(const std::string& path, int encoding, std::string& text)
{
    std::string bytes;
    if (!ReadInput(path, bytes))
        return false;
    PageText page = DecodeHtmlPage(bytes, encoding);
    // What could not be read is said, not hidden.
    if (page.replaced)
        Message(texts::CharactersReplaced(page.replaced, page.firstReplacedLine));
    text = std::move(page.text);
    return true;
}

int CliApp::Maps(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {"--encoding"}, {});
    auto encoding = args.Int("--encoding", 0, 7);
    if (args.Ok() && args.Positional().size() != 1)
        args.Fail("maps takes one page");
    if (!args.Ok())
        return Usage(args.Error());
    std::string text;
    if (!ReadPage(args.Positional()[0], encoding.value_or(0), text))
        return 1;
    std::vector<FoundMap> maps = html::FindMaps(text);
    if (maps.empty()) {
        Message(texts::NoMapInHtml());
        return 1;
    }
    for (std::size_t i = 0; i < maps.size(); ++i)
        m_out << i << '\t' << maps[i].mapName << '\t' << maps[i].picture << '\n';
    return 0;
}

int CliApp::Import(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {"--encoding", "--map", "--document", "-o"}, {"--no-default-tail"});
    auto encoding = args.Int("--encoding", 0, 7);
    auto index = args.Int("--map", 0, 1 << 30);
    if (args.Ok() && (args.Positional().size() != 1 || !args.Has("-o")))
        args.Fail("import takes one page and -o MAP.zmf");
    if (!args.Ok())
        return Usage(args.Error());
    const std::string page = args.Positional()[0];
    std::string text;
    const std::optional<std::string> documentPath =
        args.Has("--document") ? args.Value("--document") : AbsoluteName(page);
    if (!documentPath)
        return kBadArguments;
    if (!ReadPage(page, encoding.value_or(0), text))
        return 1;
    std::vector<FoundMap> maps = html::FindMaps(text);
    if (maps.empty()) {
        Message(texts::NoMapInHtml());
        return 1;
    }
    if (index.value_or(0) >= static_cast<int>(maps.size()))
        return Fail("the page has " + std::to_string(maps.size()) + " maps; --map " + std::to_string(*index) +
                    " is not one of them");
    AppSettings settings;
    settings.DefaultAreaTailInEffect = args.Has("--no-default-tail") ? 0 : 1;
    MapPicture picture;
    picture.SetBackgroundColor(settings.Bgcolor);
    MessagePrinter printer([this](const std::string& text) { Message(text); });
    CZephyrmapDoc doc(settings, &printer, &picture);
    doc.DeleteContents();
    maps[index.value_or(0)].documentPath = *documentPath;
    const int clean = html::BuildDocumentFromMap(doc, maps, index.value_or(0));
    mapcmd::AfterMapCreated(doc);
    const std::string output = *args.Value("-o");
    std::string reason;
    if (!localfile::WriteFileAtomically(localfile::PathOf(output), native::SaveToBytes(doc), reason))
        return Fail("cannot save " + output + ": " + reason);
    if (!clean) {
        Message(texts::HtmlSyntaxError());
        return 2;
    }
    return 0;
}

namespace
{

std::string Json(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string AreaJson(const CMapData& a)
{
    std::string points;
    for (const Point& p : a.m_points)
        points += (points.empty() ? "[" : ",[") + std::to_string(p.x) + "," + std::to_string(p.y) + "]";
    return "{\"shape\":" + std::to_string(a.m_shape) + ",\"points\":[" + points + "],\"href\":" + Json(a.m_href) +
           ",\"hrefIsPath\":" + std::to_string(a.m_hrefIsPath) + ",\"target\":" + Json(a.m_target) +
           ",\"alt\":" + Json(a.m_alt) + ",\"otherAttrs\":" + Json(a.m_otherAttrs) +
           ",\"noHref\":" + std::to_string(a.m_noHref) + ",\"coords\":" + Json(a.FormatCoords()) + "}";
}

} // namespace

bool CliApp::OpenMap(const std::string& path, CZephyrmapDoc& doc)
{
    std::string bytes;
    if (!ReadInput(path, bytes))
        return false;
    const native::LoadResult r = native::LoadFromBytes(doc, bytes);
    if (r != native::LoadResult::Ok)
        Message(native::MessageFor(r)); // the old layout's warning, or why the file is refused
    if (r != native::LoadResult::Ok && r != native::LoadResult::OldLayout)
        return false;
    mapcmd::AfterNativeLoad(doc);
    return true;
}

int CliApp::Dump(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {}, {"--no-default-tail"});
    if (args.Ok() && args.Positional().size() != 1)
        args.Fail("dump takes one map file");
    if (!args.Ok())
        return Usage(args.Error());
    AppSettings settings;
    settings.DefaultAreaTailInEffect = args.Has("--no-default-tail") ? 0 : 1;
    MapPicture picture;
    MessagePrinter printer([this](const std::string& text) { Message(text); });
    CZephyrmapDoc doc(settings, &printer, &picture);
    if (!OpenMap(args.Positional()[0], doc))
        return 1;
    std::string areas;
    for (const auto& a : doc.Areas())
        areas += (areas.empty() ? "" : ",") + AreaJson(*a);
    m_out << '{';
    for (const MapAttributeInfo& info : kMapAttributes)
        m_out << '"' << info.name << "\":" << Json(doc.Attribute(info.index)) << ',';
    m_out << "\"areas\":[" << areas << "]}\n";
    return 0;
}

namespace
{

// The HTML output settings the options of html and update give.
void SetOutputOptions(const CliArgs& args, std::optional<int> option, std::optional<int> indent, AppSettings& settings)
{
    settings.HtmlOption = static_cast<std::uint32_t>(option.value_or(static_cast<int>(settings.HtmlOption)));
    settings.nIndentSpace = indent.value_or(settings.nIndentSpace);
    settings.SRC_RelativePath = args.Has("--src-relative");
    settings.HREF_RelativePath = args.Has("--href-relative");
    settings.OmitInPageLinkFileName = args.Has("--keep-in-page-file-name") ? 0 : 1;
}

} // namespace

int CliApp::Html(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {"--html-option", "--indent", "--encoding", "--eol", "-o"},
                 {"--src-relative", "--href-relative", "--keep-in-page-file-name", "--no-default-tail"});
    AppSettings settings;
    auto option = args.Int("--html-option", 0, 127);
    auto indent = args.Int("--indent", 0, 20);
    auto encoding = args.Int("--encoding", 1, 7);
    auto eol = args.Int("--eol", 1, 3);
    if (args.Ok() && args.Positional().size() != 1)
        args.Fail("html takes one map file");
    if (!args.Ok())
        return Usage(args.Error());
    SetOutputOptions(args, option, indent, settings);
    settings.DefaultAreaTailInEffect = args.Has("--no-default-tail") ? 0 : 1;
    MapPicture picture;
    MessagePrinter printer([this](const std::string& text) { Message(text); });
    CZephyrmapDoc doc(settings, &printer, &picture);
    if (!OpenMap(args.Positional()[0], doc))
        return 1;
    const std::string text = html::WriteMapHtml(doc, HtmlOutputOptions::FromSettings(settings));
    return WriteText(text, encoding.value_or(EncodingUtf8), eol.value_or(LineEndLf), args.Value("-o").value_or("")) ? 0
                                                                                                                    : 1;
}

bool CliApp::WriteText(std::string text, int encoding, int lineEnd, const std::string& output)
{
    TextCodec::ConvertLineEnds(LineEndCrLf, lineEnd, text);
    return WriteOutput(output, textout::Encode(text, encoding, encoding >= EncodingUtf16Le));
}

int CliApp::Svg(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {"--encoding", "--eol", "-o"},
                 {"--src-relative", "--href-relative", "--keep-in-page-file-name"});
    AppSettings settings;
    auto encoding = args.Int("--encoding", 1, 7);
    auto eol = args.Int("--eol", 1, 3);
    if (args.Ok() && args.Positional().size() != 1)
        args.Fail("svg takes one map file");
    if (!args.Ok())
        return Usage(args.Error());
    SetOutputOptions(args, std::nullopt, std::nullopt, settings);
    MapPicture picture;
    MessagePrinter printer([this](const std::string& text) { Message(text); });
    CZephyrmapDoc doc(settings, &printer, &picture);
    if (!OpenMap(args.Positional()[0], doc))
        return 1;
    DisplaySize loaded;
    picture.LoadedSize(loaded.width, loaded.height);
    const std::string text = svg::WriteMapSvg(doc, HtmlOutputOptions::FromSettings(settings), loaded);
    int index = 0;
    for (const auto& area : doc.Areas()) {
        const std::vector<std::string> leftOut = svg::LeftOutAttributes(area->m_otherAttrs);
        if (!leftOut.empty())
            Message(checktexts::SvgAttributesLeftOutOfArea(index, checktexts::QuotedNames(leftOut)));
        ++index;
    }
    return WriteText(text, encoding.value_or(EncodingUtf8), eol.value_or(LineEndLf), args.Value("-o").value_or("")) ? 0
                                                                                                                    : 1;
}

namespace
{

std::string EncodingName(int encoding)
{
    switch (encoding) {
    case EncodingShiftJis:
        return "Shift-JIS";
    case EncodingJis:
        return "JIS";
    case EncodingEucJp:
        return "EUC-JP";
    case EncodingUtf8:
        return "UTF-8";
    case EncodingUtf16Le:
        return "UTF-16LE";
    case EncodingUtf16Be:
        return "UTF-16BE";
    default:
        return "its declared charset";
    }
}

// Why an update failed, for the terminal (names and texts in UTF-8).
std::string UpdateFailure(const PageUpdate& r, const std::string& page, const std::string& output,
                          const std::string& mapName)
{
    const std::string line = " (line " + std::to_string(r.line) + ")";
    switch (r.status) {
    case PageUpdateStatus::NoSuchMap:
        return page + " has no map named \"" + mapName + "\" outside comments; nothing was written";
    case PageUpdateStatus::CannotEncode:
        return "the map has characters " + EncodingName(r.report.encoding) + " cannot hold, for " + page + line +
               "; nothing was written";
    case PageUpdateStatus::CannotKeep:
        return page + line + " has characters that could not be read in its encoding where the map goes; they" +
               " would be lost, so nothing was written";
    case PageUpdateStatus::Tangled:
        return page + line + ": the map's tags are tangled with the rest of the page (a comment or a quote left" +
               " open, or markup in the map's texts), so the change would not stay within them; nothing was written";
    case PageUpdateStatus::CannotRead:
        return "cannot read " + page + ": " + r.reason;
    case PageUpdateStatus::CannotBackUp:
        return "cannot keep the old page as " + page + "~: " + r.reason + "; nothing was written";
    case PageUpdateStatus::CannotWrite:
        return "cannot save " + output + ": " + r.reason;
    default:
        return std::string();
    }
}

std::string Counted(int n, const char* what)
{
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

// What an update did, in one line.
std::string UpdateReport(const PageUpdateReport& n, const std::string& written, const std::string& mapName)
{
    return written + ": map \"" + mapName + "\", " + EncodingName(n.encoding) + ", " + Counted(n.areaTags, "AREA tag") +
           " (" + std::to_string(n.changedAreaTags) + " changed or added, " + std::to_string(n.removedAreaTags) +
           " removed), " + Counted(n.imageTags, "IMG tag") + " (" + std::to_string(n.changedImageTags) + " changed)\n";
}

} // namespace

int CliApp::Update(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {"--map", "--encoding", "--html-option", "--indent", "-o"},
                 {"--src-relative", "--href-relative", "--keep-in-page-file-name"});
    AppSettings settings;
    auto encoding = args.Int("--encoding", 0, 7);
    auto option = args.Int("--html-option", 0, 127);
    auto indent = args.Int("--indent", 0, 20);
    if (args.Ok() && args.Positional().size() != 2)
        args.Fail("update takes one page and one map file");
    if (!args.Ok())
        return Usage(args.Error());
    SetOutputOptions(args, option, indent, settings);
    const std::string page = args.Positional()[0];
    const std::string output = args.Value("-o").value_or("");
    PageUpdateTarget target;
    target.encoding = encoding.value_or(EncodingAuto);
    target.mapName = args.Value("--map").value_or("");
    const std::optional<std::string> pagePath = AbsoluteName(page);
    const std::optional<std::string> outputPath = output.empty() ? std::string() : AbsoluteName(output);
    if (!pagePath || !outputPath)
        return kBadArguments;
    target.pagePath = *pagePath;
    MapPicture picture;
    MessagePrinter printer([this](const std::string& text) { Message(text); });
    CZephyrmapDoc doc(settings, &printer, &picture);
    if (!OpenMap(args.Positional()[1], doc))
        return 1;
    const PageUpdate r = html::UpdateMapInPageFile(target, *outputPath, doc, HtmlOutputOptions::FromSettings(settings));
    const std::string mapName = target.mapName.empty() ? doc.MapName() : target.mapName;
    if (!r.Ok())
        return Fail(UpdateFailure(r, page, output.empty() ? page : output, mapName));
    m_out << UpdateReport(r.report, output.empty() ? page : output, mapName);
    return 0;
}

namespace
{

// "RRGGBB" as a web colour; nothing for anything else.
std::optional<ColorRef> ParseWebColor(const std::string& text)
{
    if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return std::nullopt;
    const unsigned long rgb = std::stoul(text, nullptr, 16);
    return MakeRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

bool CliApp::LoadPicture(const std::string& file, ColorRef background, MapPicture& picture, std::string& path)
{
    path = file;
    std::string problem;
    if (pictureinfo::KindOf(path) == PictureNone) {
        problem = file + " is not named as a JPEG, GIF, PNG or BMP picture";
    } else {
        picture.SetBackgroundColor(background);
        if (!picture.Load(path))
            problem = "cannot load the picture " + file;
    }
    if (!problem.empty())
        Fail(problem);
    return problem.empty();
}

int CliApp::Picture(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {"--background", "--dib"}, {});
    std::optional<ColorRef> background = AppSettings().Bgcolor;
    if (args.Has("--background"))
        background = ParseWebColor(*args.Value("--background"));
    if (args.Ok() && !background)
        args.Fail("--background takes six hexadecimal digits, RRGGBB");
    if (args.Ok() && args.Positional().size() != 1)
        args.Fail("picture takes one file");
    if (!args.Ok())
        return Usage(args.Error());
    const std::string& file = args.Positional()[0];
    std::string path;
    MapPicture picture;
    if (!LoadPicture(file, *background, picture, path))
        return 1;
    const auto dib = args.Value("--dib");
    if (dib && picture.Kind() != PicturePng)
        return Fail("--dib needs a PNG picture; " + file + " is not one");
    std::int32_t width = 0, height = 0;
    std::int64_t fileSize = 0;
    picture.GetSize(width, height, fileSize);
    m_out << width << ' ' << height << ' ' << fileSize << ' ' << picture.Kind() << '\n';
    std::string heightText, widthText, sizeText;
    picture.GetInfoText(&heightText, &widthText, &sizeText);
    m_out << pictureinfo::StatusText(widthText, heightText, sizeText, path) << '\n';
    const PictureDib& bitmap = picture.Dib();
    if (dib && !WriteOutput(*dib, std::string(reinterpret_cast<const char*>(bitmap.Packed()), bitmap.PackedSize())))
        return 1;
    return 0;
}

namespace
{

constexpr double kMostTolerance = 400; // beyond any two colours' distance
constexpr double kMostEpsilon = 100;
// The exit status of a trace whose region is of a few pixels only.
constexpr int kTinyRegion = 3;

// A number as a person writes it: 20, 2.5.
std::string Decimal(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

std::optional<int> WholeNumber(const std::string& text)
{
    int v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return v;
}

constexpr int kNothingFound = 0;
constexpr int kFindings = 3;

bool IsMapFileName(const std::string& path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    return extension.size() == 4 && (extension[1] | 0x20) == 'z' && (extension[2] | 0x20) == 'm' &&
           (extension[3] | 0x20) == 'f';
}

// "INPUT:LINE: map "NAME", area N: CODE: MESSAGE", the parts there are.
std::string FindingLine(const std::string& input, const Finding& f)
{
    std::string line = input + (f.line ? ":" + std::to_string(f.line) : std::string()) + ":";
    if (f.hasMap)
        line += " map \"" + f.map + "\"";
    if (f.area >= 0)
        line += std::string(f.hasMap ? "," : "") + " area " + programtexts::AreaNumber(f.area).toStdString();
    std::string message = programtexts::TranslateText(f.message);
    std::erase(message, '\r');
    std::replace(message.begin(), message.end(), '\n', ' ');
    return line + (f.hasMap || f.area >= 0 ? ": " : " ") + CodeName(f.code) + ": " + message + "\n";
}

std::string FindingsJson(const std::vector<Finding>& findings)
{
    std::string json = "[";
    for (const Finding& f : findings) {
        json += json.size() > 1 ? ",\n  " : "\n  ";
        json += std::string("{\"code\":\"") + CodeName(f.code) + "\",\"map\":" + (f.hasMap ? Json(f.map) : "null") +
                ",\"area\":" + (f.area >= 0 ? std::to_string(f.area) : "null") +
                ",\"line\":" + (f.line ? std::to_string(f.line) : "null") +
                ",\"message\":" + Json(programtexts::TranslateText(f.message)) + "}";
    }
    return json + (findings.empty() ? "]\n" : "\n]\n");
}

} // namespace

int CliApp::Trace(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {"--tolerance", "--epsilon", "--max-vertices"}, {});
    TraceOptions options;
    options.tolerance = args.Number("--tolerance", 0, kMostTolerance).value_or(options.tolerance);
    options.epsilon = args.Number("--epsilon", 0, kMostEpsilon).value_or(options.epsilon);
    options.maxVertices = args.Int("--max-vertices", 3, 1 << 30).value_or(options.maxVertices);
    if (args.Ok() && args.Positional().size() != 3)
        args.Fail("trace takes a picture and a point X Y");
    std::optional<int> x, y;
    if (args.Ok()) {
        x = WholeNumber(args.Positional()[1]);
        y = WholeNumber(args.Positional()[2]);
        if (!x || !y)
            args.Fail("the point's X and Y are whole numbers");
    }
    if (!args.Ok())
        return Usage(args.Error());
    const std::string& file = args.Positional()[0];
    std::string path;
    MapPicture picture;
    if (!LoadPicture(file, AppSettings().Bgcolor, picture, path))
        return 1;
    const TraceResult traced = picturetrace::Trace(picture, {*x, *y}, options);
    if (traced.failure == TraceFailure::OutsidePicture) {
        int width = 0, height = 0;
        picture.LoadedSize(width, height);
        return Fail("the point " + std::to_string(*x) + "," + std::to_string(*y) + " lies outside the " +
                    std::to_string(width) + " x " + std::to_string(height) + " picture " + file);
    }
    if (!traced.Ok())
        return Fail("the region around " + std::to_string(*x) + "," + std::to_string(*y) + " of " + file +
                    " is too large to trace: a lower --tolerance (now " + Decimal(options.tolerance) + ") narrows it");
    CMapData area;
    area.m_shape = ShapePoly;
    area.m_points = traced.outline;
    m_out << area.FormatCoords() << '\n';
    if (!traced.IsTiny())
        return 0;
    m_err << "zephyrmap-cli: the region around " << *x << "," << *y << " is only " << traced.regionPixels
          << " pixels: a higher --tolerance (now " << Decimal(options.tolerance)
          << ") widens it where the picture has noise\n";
    return kTinyRegion;
}

bool CliApp::CheckMapFile(const std::string& path, std::vector<Finding>& findings)
{
    AppSettings settings;
    MapPicture picture;
    MessagePrinter printer([this](const std::string& text) { Message(text); });
    CZephyrmapDoc doc(settings, &printer, &picture);
    if (!OpenMap(path, doc))
        return false;
    DisplaySize loaded;
    picture.LoadedSize(loaded.width, loaded.height);
    findings = MapChecker().Check(doc, DisplayedSize(doc, loaded));
    return true;
}

bool CliApp::CheckPageFile(const std::string& path, const std::string& documentPath, int encoding,
                           std::vector<Finding>& findings)
{
    std::string text;
    if (!ReadPage(path, encoding, text))
        return false;
    // A map is shown at its IMG's WIDTH and HEIGHT, else at its picture's size.
    const auto sizeOf = [](const CZephyrmapDoc& doc) {
        DisplaySize size = ParseDisplaySize(doc.Width(), doc.Height());
        MapPicture picture;
        if (!size.Known() && picture.Load(doc.ImageSrc()))
            picture.LoadedSize(size.width, size.height);
        return size;
    };
    findings = pagecheck::CheckPage(text, documentPath, MapChecker(), sizeOf);
    return true;
}

int CliApp::Check(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {"--encoding"}, {"--json"});
    auto encoding = args.Int("--encoding", 0, 7);
    if (args.Ok() && args.Positional().size() != 1)
        args.Fail("check takes one map file or page");
    if (!args.Ok())
        return Usage(args.Error());
    const std::string& input = args.Positional()[0];
    std::vector<Finding> findings;
    const std::optional<std::string> documentPath = IsMapFileName(input) ? input : AbsoluteName(input);
    if (!documentPath)
        return kBadArguments;
    const bool read = IsMapFileName(input) ? CheckMapFile(input, findings)
                                           : CheckPageFile(input, *documentPath, encoding.value_or(0), findings);
    if (!read)
        return 1;
    if (args.Has("--json")) {
        m_out << FindingsJson(findings);
    } else {
        for (const Finding& f : findings)
            m_out << FindingLine(input, f);
    }
    return findings.empty() ? kNothingFound : kFindings;
}

namespace
{

const char* MethodName(RefitMethod method)
{
    switch (method) {
    case RefitMethod::Features:
        return "features";
    case RefitMethod::SizeRatio:
        return "size-ratio";
    case RefitMethod::MapSize:
        return "map-size";
    default:
        return "reference-points";
    }
}

const char* FailureCode(RefitFailure failure)
{
    switch (failure) {
    case RefitFailure::NoPicture:
        return "no-picture";
    case RefitFailure::NoOldSize:
        return "no-old-size";
    case RefitFailure::NotSameScene:
        return "not-same-scene";
    case RefitFailure::TooLittleDetail:
        return "too-little-detail";
    case RefitFailure::NotAReExport:
        return "not-a-re-export";
    default:
        return "out-of-memory";
    }
}

// Six significant digits, a point for the decimals whatever the locale.
std::string Number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", v);
    std::string s = text;
    std::replace(s.begin(), s.end(), ',', '.');
    return s == "-0" ? "0" : s;
}

std::string IndexList(const std::vector<int>& indexes, const char* separator)
{
    std::string list;
    for (int i : indexes)
        list += (list.empty() ? "" : separator) + std::to_string(i);
    return list;
}

std::string RefitReport(const RefitResult& r, const maprefit::Plan& plan, const std::string& written)
{
    const PictureTransform& t = r.transform;
    std::string report = std::string("method: ") + MethodName(r.method) + "\n";
    report += "scale: " + Number(t.ScaleX()) + " x " + Number(t.ScaleY()) + "\n";
    report += "rotation: " + Number(t.RotationDegrees()) + " degrees\n";
    report += "shift: " + Number(t.C()) + ", " + Number(t.F()) + "\n";
    report += "transform: " + Number(t.A()) + " " + Number(t.B()) + " " + Number(t.C()) + " " + Number(t.D()) + " " +
              Number(t.E()) + " " + Number(t.F()) + "\n";
    report += "features: " + std::to_string(r.agreeing) + " of " + std::to_string(r.matched) + " matched agree\n";
    report += "residual: " + Number(r.residual) + " px\n";
    report += "outside: " + (plan.outside.empty() ? std::string("none") : IndexList(plan.outside, ", ")) + "\n";
    report += "size: " + plan.replacement.width + " x " + plan.replacement.height +
              (plan.sizeKept ? " (kept: not the old picture's size)" : "") + "\n";
    return report + "written: " + written + "\n";
}

std::string RefitJson(const RefitResult& r, const maprefit::Plan& plan, const std::string& written)
{
    const PictureTransform& t = r.transform;
    return std::string("{\"method\":\"") + MethodName(r.method) + "\",\"transform\":[" + Number(t.A()) + "," +
           Number(t.B()) + "," + Number(t.C()) + "," + Number(t.D()) + "," + Number(t.E()) + "," + Number(t.F()) +
           "],\"scaleX\":" + Number(t.ScaleX()) + ",\"scaleY\":" + Number(t.ScaleY()) +
           ",\"rotation\":" + Number(t.RotationDegrees()) + ",\"agreeing\":" + std::to_string(r.agreeing) +
           ",\"matched\":" + std::to_string(r.matched) + ",\"residual\":" + Number(r.residual) + ",\"outside\":[" +
           IndexList(plan.outside, ",") + "],\"width\":" + Json(plan.replacement.width) +
           ",\"height\":" + Json(plan.replacement.height) + ",\"sizeKept\":" + (plan.sizeKept ? "true" : "false") +
           ",\"written\":" + Json(written) + "}\n";
}

std::string RefusalJson(const RefitResult& r, const std::string& message)
{
    return std::string("{\"refused\":\"") + FailureCode(r.failure) + "\",\"message\":" + Json(message) +
           ",\"agreeing\":" + std::to_string(r.agreeing) + ",\"matched\":" + std::to_string(r.matched) + "}\n";
}

} // namespace

int CliApp::Refit(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {"-o"}, {"--json"});
    if (args.Ok() && args.Positional().size() != 2)
        args.Fail("refit takes one map file and one picture");
    if (!args.Ok())
        return Usage(args.Error());
    const std::string& mapFile = args.Positional()[0];
    const std::string& pictureFile = args.Positional()[1];
    // The new picture's path goes into the map as it is made absolute.
    const std::optional<std::string> picturePath = AbsoluteName(pictureFile);
    if (!picturePath)
        return kBadArguments;
    AppSettings settings;
    MapPicture oldPicture;
    oldPicture.SetBackgroundColor(settings.Bgcolor);
    MessagePrinter printer([this](const std::string& text) { Message(text); });
    CZephyrmapDoc doc(settings, &printer, &oldPicture);
    if (!OpenMap(mapFile, doc))
        return 1;
    std::string path;
    MapPicture newPicture;
    if (!LoadPicture(pictureFile, settings.Bgcolor, newPicture, path))
        return 1;
    const RefitResult r = picturerefit::Fit(doc, &oldPicture, newPicture);
    if (!r.Ok()) {
        const std::string reason = programtexts::TranslateText(refittexts::FailureText(r.failure));
        if (args.Has("--json"))
            m_out << RefusalJson(r, reason);
        return Fail(reason);
    }
    const maprefit::Plan plan = maprefit::PlanFor(doc, r.transform, picturerefit::OldFrame(doc, &oldPicture),
                                                  picturerefit::SizeOf(newPicture), *picturePath);
    doc.ReplacePictureUndoable(plan.replacement);
    const std::string output = args.Value("-o").value_or(mapFile);
    std::string reason;
    if (!localfile::WriteFileAtomically(localfile::PathOf(output), native::SaveToBytes(doc), reason))
        return Fail("cannot save " + output + ": " + reason);
    m_out << (args.Has("--json") ? RefitJson(r, plan, output) : RefitReport(r, plan, output));
    return 0;
}
