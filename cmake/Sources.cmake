# Source lists, one place for the libraries, tests and tools that share them.

set(ZM_CORE_SOURCES
  app/AppSettings.cpp
  formats/Archive.cpp
  formats/HtmlOutputOptions.cpp
  formats/HtmlReader.cpp
  formats/HtmlWriter.cpp
  formats/NativeMapFile.cpp
  formats/TagScanner.cpp
  model/CMapData.cpp
  model/CZephyrmapDoc.cpp
  model/MapCommands.cpp
  model/Messages.cpp
  model/UndoHistory.cpp
  model/HitRegion.cpp
  services/CodeConverter.cpp
  services/HtmlTitle.cpp
  services/JisTables.cpp
  services/LocalFile.cpp
  services/PathUtil.cpp
  services/PictureInfo.cpp
  services/SjisString.cpp
  services/TextCodec.cpp
  services/TextDecoder.cpp
  services/TextEncoder.cpp
  services/Utf8Bridge.cpp
)

# The PNG route: plain C++ over libpng.
set(ZM_PNG_SOURCES
  services/PictureDib.cpp
  services/PngDibReader.cpp
)

# Pictures over QtGui, shared by the editor and the command-line tool.
set(ZM_PICTURE_SOURCES
  services/MapPicture.cpp
  services/QtText.cpp
)

set(ZM_GUI_SOURCES
  app/CMainFrame.cpp
  app/CommandTable.cpp
  app/CZephyrmapApp.cpp
  app/SettingsStore.cpp
  services/FilePreviewWnd.cpp
)

set(ZM_CLI_LIB_SOURCES
  cli/CliApp.cpp
  cli/CliArgs.cpp
)

set(ZM_CORE_TEST_SOURCES
  tests/formats/HtmlReaderTest.cpp
  tests/formats/HtmlWriterTest.cpp
  tests/formats/NativeMapFileTest.cpp
  tests/model/CMapDataTest.cpp
  tests/model/CZephyrmapDocTest.cpp
  tests/model/HitRegionTest.cpp
  tests/services/HtmlTitleTest.cpp
  tests/services/PathUtilTest.cpp
  tests/services/PictureInfoTest.cpp
  tests/services/PngDibReaderTest.cpp
  tests/services/SjisStringTest.cpp
  tests/services/TextCodecTest.cpp
)

set(ZM_CLI_TESTS
  tests/cli/CliAppTest.cpp
)

set(ZM_GUI_TESTS
  tests/app/CMainFrameTest.cpp
  tests/app/SettingsStoreTest.cpp
  tests/services/FilePreviewWndTest.cpp
  tests/services/MapPictureTest.cpp
)
