#pragma once
// A recording listener that also plays the main frame's side of pending edits.

#include "model/CZephyrmapDoc.h"

#include <map>
#include <string>
#include <vector>

class FakeFrame : public DocListener
{
public:
    std::vector<std::string> calls;
    int lastCount = -1;
    int countsShown = 0;
    int mapChanges = 0;
    std::string title;
    MapAttrChange pendingMap;
    std::unique_ptr<CMapData> pendingBefore;
    CMapData* pendingLive = nullptr;
    int consumed = 0;
    const CZephyrmapDoc* doc = nullptr; // when set, areas out of it are no live areas

    void ReloadPicture() override { calls.push_back("reload"); }
    void ResetPicture() override { calls.push_back("reset"); }
    void SelectViewArea(CMapData*) override { calls.push_back("select"); }
    void ClearViewSelection() override { calls.push_back("clear"); }
    void ShowAreaCount(int n) override
    {
        lastCount = n;
        ++countsShown;
    }
    void SelectViewAreas(const std::vector<CMapData*>& areas) override
    {
        calls.push_back("select " + std::to_string(areas.size()));
    }
    void MapChanged() override { ++mapChanges; }
    void FillList() override { calls.push_back("fill"); }
    void ShowTab(int tab) override { calls.push_back("tab" + std::to_string(tab)); }
    void EnablePanes(bool on) override { calls.push_back(on ? "enable" : "disable"); }
    void TitleChanged(const std::string& t) override { title = t; }
    MapAttrChange TakeMapAttrChange() override { return pendingMap; }
    // As the frame: the live area only while it is in the map.
    AreaEdits TakeAreaEdits() override
    {
        CMapData* live = doc && doc->IndexOf(pendingLive) < 0 ? nullptr : pendingLive;
        AreaEdits edits;
        edits.push_back({std::move(pendingBefore), live});
        return edits;
    }
    void AreaEditConsumed() override { ++consumed; }
};

// Pictures whose size is named in the path: "/pics/640x480.png".
class FakePictures : public PictureSource
{
public:
    bool Load(const std::string& path) override
    {
        loaded = std::sscanf(path.c_str(), "/pics/%dx%d", &width, &height) == 2;
        return loaded;
    }
    bool LoadedSize(int& w, int& h) const override
    {
        w = width;
        h = height;
        return loaded;
    }

private:
    bool loaded = false;
    int width = 0, height = 0;
};
