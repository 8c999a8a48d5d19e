// Random editing against a plain model of the map. Thousands of steps over
// one map, each the way a person takes it: typing into the pages' fields and
// leaving them, drawing rectangles, moving them by keys and by dragging,
// reshaping them by a corner, deleting, copying, cutting and pasting them,
// undo, redo and Ctrl+S, Ctrl+Z inside the field being typed in, after
// which typing goes on, typing into the ALT field with two areas selected,
// and typing an area's numbers (sometimes ones it must refuse). After every step the map must equal the model, the
// modified flag must say whether the map differs from the file last saved
// (read back from the disk), and undo and redo must step over exactly one
// user action. A failure prints its seed and the shortest list of steps
// that still shows it. ZM_MODEL_SEED and ZM_MODEL_STEPS choose another run.
#include "tests/Shrink.h"
#include "tests/app/AppHarness.h"

#include "app/NativeFileCommands.h"
#include "formats/NativeMapFile.h"
#include "panes/AreaGeometryField.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcessEnvironment>

#include <optional>
#include <random>
#include <sstream>

namespace
{

// ---- The model ----

struct ModelArea {
    int shape = ShapeRect;
    std::vector<Point> points; // none kept for the DEFAULT area: they follow the picture
    std::string alt, target;
    friend bool operator==(const ModelArea&, const ModelArea&) = default;
};

struct Model {
    std::string name, imgAlt, hspace;
    std::vector<ModelArea> areas;
    friend bool operator==(const Model&, const Model&) = default;
};

ModelArea AreaOf(const CMapData& area)
{
    ModelArea m;
    m.shape = area.m_shape;
    if (area.m_shape != ShapeDefault)
        m.points = area.m_points.ToVector();
    m.alt = area.m_alt;
    m.target = area.m_target;
    return m;
}

Model ModelOf(const CZephyrmapDoc& doc)
{
    Model m{doc.Attribute(AttrMapName), doc.Attribute(AttrImgAlt), doc.Attribute(AttrHspace), {}};
    for (const auto& area : doc.Areas())
        m.areas.push_back(AreaOf(*area));
    return m;
}

std::string Show(const Model& m)
{
    std::ostringstream s;
    s << "name=" << m.name << " alt=" << m.imgAlt << " hspace=" << m.hspace;
    for (const ModelArea& a : m.areas) {
        s << "\n    " << a.shape << " ";
        for (const Point& p : a.points)
            s << "(" << p.x << "," << p.y << ")";
        s << " alt=" << a.alt << " target=" << a.target;
    }
    return s.str();
}

Rect Bounds(const ModelArea& area)
{
    Rect r{area.points[0].x, area.points[0].y, area.points[0].x, area.points[0].y};
    for (const Point& p : area.points)
        r = {std::min(r.left, p.x), std::min(r.top, p.y), std::max(r.right, p.x), std::max(r.bottom, p.y)};
    return r;
}

void Offset(ModelArea& area, int dx, int dy)
{
    for (Point& p : area.points)
        p = {p.x + dx, p.y + dy};
}

ModelArea Rectangle(int l, int t, int r, int b)
{
    return {ShapeRect, {{l, t}, {r, t}, {r, b}, {l, b}}, {}, {}};
}

// ---- The steps ----

enum class Act {
    TypeArea,
    TypeMap,
    Leave,
    Draw,
    Arrow,
    Drag,
    Reshape,
    Delete,
    Copy,
    Cut,
    Paste,
    Undo,
    Redo,
    Save,
    UndoInField,
    TypeShared,
    TypeCoordinates,
};

// A step's numbers are drawn once; what they name (which area, which field)
// is read against the map when the step runs, so that any list of steps,
// shortened or not, can run.
struct Step {
    Act act;
    int a = 0, b = 0, c = 0, d = 0;
};

const char* const kNames[] = {"type into an area field",
                              "type into a map field",
                              "leave the field",
                              "draw a rectangle",
                              "arrow key",
                              "drag an area",
                              "drag a corner",
                              "delete",
                              "copy",
                              "cut",
                              "paste",
                              "undo",
                              "redo",
                              "save",
                              "Ctrl+Z in the field",
                              "type into ALT with two areas selected",
                              "type an area's numbers"};

std::string Describe(const Step& step)
{
    std::ostringstream s;
    s << kNames[static_cast<int>(step.act)] << " (" << step.a << ", " << step.b << ", " << step.c << ", " << step.d
      << ")";
    return s.str();
}

Step RandomStep(std::mt19937& random)
{
    // Typing comes often, as it does in use, so that episodes get long.
    static const Act kWeighted[] = {Act::TypeArea,   Act::TypeArea,       Act::TypeArea, Act::TypeMap, Act::TypeMap,
                                    Act::Leave,      Act::Draw,           Act::Draw,     Act::Arrow,   Act::Drag,
                                    Act::Reshape,    Act::Delete,         Act::Copy,     Act::Cut,     Act::Paste,
                                    Act::Undo,       Act::Undo,           Act::Redo,     Act::Save,    Act::UndoInField,
                                    Act::TypeShared, Act::TypeCoordinates};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(kWeighted)) - 1);
    std::uniform_int_distribution<int> number(0, 999);
    return {kWeighted[pick(random)], number(random), number(random), number(random), number(random)};
}

// ---- One run over a fresh editor ----

class Run
{
public:
    Run()
    {
        m_h.OpenMap();
        m_h.ShowAreaPage();
        m_h.app->Files()->chooseSavePath = [this] { return std::optional<QString>(m_h.Path("map.zmf")); };
        m_h.Run(CmdSave);
        m_saved = ReadSaved();
        m_states = {ModelOf(m_h.Doc())};
    }

    // Empty when the step did what the model says; what went wrong otherwise.
    std::string Execute(const Step& step)
    {
        const std::string problem = Perform(step);
        return problem.empty() ? Check() : problem;
    }

private:
    const Model& Current() const { return m_states[m_index]; }
    int DrawnCount() const { return static_cast<int>(Current().areas.size()) - 1; }
    // The index of the drawn area a number names; -1 when there is none.
    int DrawnArea(int number) const
    {
        int drawn = 0;
        for (const ModelArea& a : Current().areas)
            drawn += a.shape != ShapeDefault;
        if (drawn == 0)
            return -1;
        int wanted = number % drawn;
        for (int i = 0; i < static_cast<int>(Current().areas.size()); ++i) {
            if (Current().areas[i].shape != ShapeDefault && wanted-- == 0)
                return i;
        }
        return -1;
    }

    // A user action: the state after it, for undo to step back over.
    void Push(Model next)
    {
        m_states.resize(m_index + 1);
        m_states.push_back(std::move(next));
        ++m_index;
    }
    // Typing on in the same field: the same episode, one action; an episode
    // that comes back to where it began (typing taken back in the field) is
    // no action at all.
    void PushOrMerge(Model next, int episode)
    {
        if (m_episode != episode || m_episode == kNoEpisode) {
            m_episodeBase = m_index;
            m_episode = episode;
        }
        m_states.resize(m_episodeBase + 1);
        m_index = m_episodeBase;
        if (!(next == m_states[m_episodeBase]))
            Push(std::move(next));
    }

    void AddToModel(Model& m, ModelArea area) const
    {
        auto at = m.areas.end();
        if (m_h.app->Settings().DefaultAreaTailInEffect) {
            at = std::find_if(m.areas.begin(), m.areas.end(),
                              [](const ModelArea& a) { return a.shape == ShapeDefault; });
        }
        m.areas.insert(at, std::move(area));
    }

    // Every step that does something, but typing on, ends the episode; a
    // step that finds nothing to do leaves it open, as the editor does.
    std::string Perform(const Step& step)
    {
        const int episode = m_episode;
        m_episode = kNoEpisode;
        m_acted = true;
        std::string problem = Act(step, episode);
        if (!m_acted)
            m_episode = episode;
        return problem;
    }

    std::string Nothing()
    {
        m_acted = false;
        return {};
    }

    std::string Act(const Step& step, int episode)
    {
        switch (step.act) {
        case Act::TypeArea:
            return TypeArea(step, episode);
        case Act::TypeMap:
            return TypeMap(step, episode);
        case Act::Leave:
            m_h.View().setFocus();
            return {};
        case Act::Draw:
            return Draw(step);
        case Act::Arrow:
            return Arrow(step);
        case Act::Drag:
            return Drag(step);
        case Act::Reshape:
            return Reshape(step);
        case Act::Delete:
        case Act::Cut:
            return Remove(step);
        case Act::Copy:
            return Copy(step);
        case Act::Paste:
            return Paste(step);
        case Act::Undo:
            return UndoOrRedo(true);
        case Act::Redo:
            return UndoOrRedo(false);
        case Act::Save:
            return Save();
        case Act::UndoInField:
            return UndoInField(episode);
        case Act::TypeShared:
            return TypeShared(step, episode);
        case Act::TypeCoordinates:
            return TypeCoordinates(step);
        }
        return {};
    }

    static std::string Letters(int number)
    {
        std::string text(1 + number % 3, 'a');
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char>('a' + (number / (i + 1)) % 26);
        return text;
    }

    void ClickRow(int index)
    {
        m_h.Frame().ShowTab(1);
        CAreaListCtrl* list = m_h.AreaPage().List();
        list->scrollToItem(list->item(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(index, 1)).center());
    }

    std::string TypeArea(const Step& step, int episode)
    {
        const int index = step.a % static_cast<int>(Current().areas.size());
        const bool alt = step.b % 2 == 0;
        const int thisEpisode = index * 2 + (alt ? 0 : 1);
        CAreaPage& page = m_h.AreaPage();
        QLineEdit* field = alt ? page.AltEdit() : page.TargetCombo()->lineEdit();
        if (episode != thisEpisode) {
            ClickRow(index);
            field->setFocus();
            field->end(false);
        } else {
            m_episode = episode; // the focus never left the field
        }
        if (!field->isEnabled() || page.GetSelectedArea() != index)
            return "the area's row is not selected for typing";
        const std::string text = Letters(step.c);
        QTest::keyClicks(field, QString::fromStdString(text));
        Model next = Current();
        (alt ? next.areas[index].alt : next.areas[index].target) += text;
        PushOrMerge(std::move(next), thisEpisode);
        return {};
    }

    static constexpr int kMapEpisodes = 1000;
    static constexpr MapAttribute kMapFields[] = {AttrMapName, AttrImgAlt, AttrHspace};

    // Two areas selected, ALT typed: both take the field's text, which
    // starts as their shared ALT or blank where they differ.
    static constexpr int kSharedEpisodes = 2000;
    static std::pair<int, int> SharedPair(int episode)
    {
        return {(episode - kSharedEpisodes) / 64, (episode - kSharedEpisodes) % 64};
    }

    std::string TypeShared(const Step& step, int episode)
    {
        const int count = static_cast<int>(Current().areas.size());
        if (count < 2)
            return Nothing();
        const int first = step.a % count;
        const int second = (first + 1 + step.b % (count - 1)) % count;
        const int thisEpisode = kSharedEpisodes + std::min(first, second) * 64 + std::max(first, second);
        CAreaPage& page = m_h.AreaPage();
        if (episode != thisEpisode) {
            ClickRow(first);
            CAreaListCtrl* list = page.List();
            list->scrollToItem(list->item(second, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list->visualRect(list->model()->index(second, 1)).center());
            page.AltEdit()->setFocus();
            page.AltEdit()->end(false);
        } else {
            m_episode = episode;
        }
        // A DEFAULT area is selected in the list only; the view has no outline for it.
        const auto rows = page.List()->selectionModel()->selectedRows().size();
        if (!page.AltEdit()->isEnabled() || rows != 2)
            return "two selected rows are not two areas to type into (" + std::to_string(rows) + " selected)";
        const Model& now = Current();
        const std::string shown = now.areas[first].alt == now.areas[second].alt ? now.areas[first].alt : "";
        if (page.AltEdit()->text().toStdString() != shown)
            return "the ALT field shows \"" + page.AltEdit()->text().toStdString() + "\", not \"" + shown + "\"";
        const std::string text = Letters(step.c);
        QTest::keyClicks(page.AltEdit(), QString::fromStdString(text));
        Model next = Current();
        next.areas[first].alt = next.areas[second].alt = shown + text;
        PushOrMerge(std::move(next), thisEpisode);
        return {};
    }

    // The numbers of a rectangle, typed and entered: one action; numbers it
    // must refuse change nothing.
    std::string TypeCoordinates(const Step& step)
    {
        const int index = DrawnArea(step.a);
        if (index < 0)
            return Nothing();
        ClickRow(index);
        QLineEdit* field = m_h.AreaPage().Geometry()->Edit();
        if (!field->isEnabled())
            return "the selected area's numbers cannot be typed";
        const int l = 5 + step.b % 200, t = 5 + step.c % 120, w = 30 + step.d % 60, h = 30 + step.a % 60;
        const bool refused = step.d % 5 == 0;
        const QString typed = refused ? QStringLiteral("%1, %2, 0, %3").arg(l).arg(t).arg(h)
                                      : QStringLiteral("%1, %2, %3, %4").arg(l).arg(t).arg(w).arg(h);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, typed);
        const qsizetype boxes = m_h.boxes.size();
        QTest::keyClick(field, Qt::Key_Return);
        if (refused)
            return m_h.boxes.size() == boxes + 1 ? std::string() : "a width of 0 was not refused with a message";
        Model next = Current();
        ModelArea reshaped = Rectangle(l, t, l + w, t + h);
        reshaped.alt = next.areas[index].alt;
        reshaped.target = next.areas[index].target;
        next.areas[index] = reshaped;
        if (!(next == Current()))
            Push(std::move(next));
        return {};
    }

    // The field an episode of typing is in, and the model's text it edits.
    QLineEdit* FieldOf(int episode)
    {
        if (episode >= kSharedEpisodes)
            return m_h.AreaPage().AltEdit();
        if (episode >= kMapEpisodes)
            return m_h.MapPage().Edit(static_cast<MapAttribute>(episode - kMapEpisodes));
        CAreaPage& page = m_h.AreaPage();
        return episode % 2 == 0 ? page.AltEdit() : page.TargetCombo()->lineEdit();
    }
    static std::string& TextOf(Model& m, int episode)
    {
        if (episode >= kSharedEpisodes)
            return m.areas[static_cast<std::size_t>(SharedPair(episode).first)].alt;
        if (episode >= kMapEpisodes) {
            const MapAttribute which = static_cast<MapAttribute>(episode - kMapEpisodes);
            return which == AttrMapName ? m.name : which == AttrImgAlt ? m.imgAlt : m.hspace;
        }
        ModelArea& area = m.areas[static_cast<std::size_t>(episode / 2)];
        return episode % 2 == 0 ? area.alt : area.target;
    }

    // Ctrl+Z in the field being typed in takes back some of the field's own
    // typing, and the map follows; typing goes on in the same episode.
    // (Regression: the row was left unselected, and every later key lost.)
    std::string UndoInField(int episode)
    {
        if (episode == kNoEpisode || !FieldOf(episode)->isUndoAvailable())
            return Nothing();
        QLineEdit* field = FieldOf(episode);
        QTest::keySequence(field, QKeySequence::Undo);
        Model next = Current();
        std::string& text = TextOf(next, episode);
        const std::string shown = field->text().toStdString();
        if (text.rfind(shown, 0) != 0)
            return "Ctrl+Z in the field left \"" + shown + "\", no earlier state of \"" + text + "\"";
        text = shown;
        if (episode >= kSharedEpisodes) {
            // Both follow the field; emptied where they differed, each has
            // its own ALT back.
            const auto [first, second] = SharedPair(episode);
            const Model& base = m_states[m_episodeBase];
            const bool differed = base.areas[first].alt != base.areas[second].alt;
            next.areas[first].alt = differed && shown.empty() ? base.areas[first].alt : shown;
            next.areas[second].alt = differed && shown.empty() ? base.areas[second].alt : shown;
        }
        m_episode = episode;
        PushOrMerge(std::move(next), episode);
        return {};
    }

    std::string TypeMap(const Step& step, int episode)
    {
        const MapAttribute which = kMapFields[step.a % 3];
        const int thisEpisode = kMapEpisodes + which;
        QLineEdit* field = m_h.MapPage().Edit(which);
        if (episode != thisEpisode) {
            m_h.Frame().ShowTab(0);
            field->setFocus();
            field->end(false);
        } else {
            m_episode = episode;
        }
        const std::string text = Letters(step.c);
        QTest::keyClicks(field, QString::fromStdString(text));
        Model next = Current();
        (which == AttrMapName ? next.name : which == AttrImgAlt ? next.imgAlt : next.hspace) += text;
        PushOrMerge(std::move(next), thisEpisode);
        return {};
    }

    std::string Draw(const Step& step)
    {
        if (DrawnCount() >= kMostAreas)
            return Nothing();
        const int l = 5 + step.a % 200, t = 5 + step.b % 120;
        const int r = l + 30 + step.c % 60, b = t + 30 + step.d % 60;
        m_h.Run(CmdRectangleTool);
        m_h.ClickInView(l, t);
        m_h.ClickInView(r, b);
        Model next = Current();
        AddToModel(next, Rectangle(l, t, r, b));
        Push(std::move(next));
        return {};
    }

    std::string Select(int index)
    {
        ClickRow(index);
        if (m_h.View().SelectedArea() != m_h.Doc().AreaAt(index))
            return "a click on the area's row did not select it in the view";
        return {};
    }

    std::string Arrow(const Step& step)
    {
        const int index = DrawnArea(step.a);
        if (index < 0)
            return Nothing();
        static const std::pair<Qt::Key, Point> kKeys[] = {
            {Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
        const auto& [key, delta] = kKeys[step.b % 4];
        if (!StaysInReach(Bounds(Current().areas[index]), delta.x, delta.y))
            return Nothing();
        if (std::string problem = Select(index); !problem.empty())
            return problem;
        m_h.View().setFocus();
        QTest::keyClick(&m_h.View(), key);
        Model next = Current();
        Offset(next.areas[index], delta.x, delta.y);
        Push(std::move(next));
        return {};
    }

    // Areas stay about the picture, where the pointer can reach them.
    static constexpr Rect kReach{-40, -40, 340, 240};
    static bool StaysInReach(const Rect& r, int dx, int dy)
    {
        return r.left + dx >= kReach.left && r.top + dy >= kReach.top && r.right + dx <= kReach.right &&
               r.bottom + dy <= kReach.bottom;
    }

    // A point of the area well inside it, away from its handles, that no
    // area before it in the list covers: a press there takes this area.
    std::optional<Point> FreePoint(int index) const
    {
        const Rect r = Bounds(Current().areas[index]);
        for (int y = r.top + 9; y < r.bottom - 8; y += 3) {
            for (int x = r.left + 9; x < r.right - 8; x += 3) {
                bool covered = false;
                for (int i = 0; i < index && !covered; ++i) {
                    const ModelArea& a = Current().areas[i];
                    if (a.shape == ShapeDefault)
                        continue;
                    const Rect o = Bounds(a);
                    covered = x >= o.left - 1 && x <= o.right + 1 && y >= o.top - 1 && y <= o.bottom + 1;
                }
                if (!covered)
                    return Point{x, y};
            }
        }
        return std::nullopt;
    }

    void DragInView(Point from, Point to)
    {
        CZephyrmapView& view = m_h.View();
        auto at = [&view](Point p) { return view.ToLogical(p) - view.ScrollPosition(); };
        auto move = [&view, &at](Point p, Qt::MouseButtons buttons) {
            QMouseEvent event(QEvent::MouseMove, at(p), view.viewport()->mapToGlobal(at(p)), Qt::NoButton, buttons,
                              Qt::NoModifier);
            QApplication::sendEvent(view.viewport(), &event);
        };
        move(from, Qt::NoButton);
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at(from));
        move({(from.x + to.x) / 2, (from.y + to.y) / 2}, Qt::LeftButton);
        move(to, Qt::LeftButton);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at(to));
    }

    std::string Drag(const Step& step)
    {
        const int index = DrawnArea(step.a);
        if (index < 0)
            return Nothing();
        const std::optional<Point> from = FreePoint(index);
        const int dx = step.b % 2 ? 1 + step.c % 10 : -1 - step.c % 10, dy = -10 + step.d % 21;
        if (!from || !StaysInReach(Bounds(Current().areas[index]), dx, dy))
            return Nothing();
        if (std::string problem = Select(index); !problem.empty())
            return problem;
        DragInView(*from, {from->x + dx, from->y + dy});
        Model next = Current();
        Offset(next.areas[index], dx, dy);
        Push(std::move(next));
        return {};
    }

    std::string Reshape(const Step& step)
    {
        const int index = DrawnArea(step.a);
        if (index < 0)
            return Nothing();
        const Rect r = Bounds(Current().areas[index]);
        const int dx = 1 + step.b % 15, dy = 1 + step.c % 15;
        if (r.right + dx > kReach.right || r.bottom + dy > kReach.bottom)
            return Nothing();
        if (std::string problem = Select(index); !problem.empty())
            return problem;
        DragInView({r.right, r.bottom}, {r.right + dx, r.bottom + dy});
        Model next = Current();
        next.areas[index] = Rectangle(r.left, r.top, r.right + dx, r.bottom + dy);
        next.areas[index].alt = Current().areas[index].alt;
        next.areas[index].target = Current().areas[index].target;
        Push(std::move(next));
        return {};
    }

    std::string Remove(const Step& step)
    {
        const int index = DrawnArea(step.a);
        if (index < 0)
            return Nothing();
        if (std::string problem = Select(index); !problem.empty())
            return problem;
        if (step.act == Act::Cut)
            m_clip = Current().areas[index];
        m_h.Run(step.act == Act::Cut ? CmdCutArea : CmdDeleteArea);
        Model next = Current();
        next.areas.erase(next.areas.begin() + index);
        Push(std::move(next));
        return {};
    }

    std::string Copy(const Step& step)
    {
        const int index = DrawnArea(step.a);
        if (index < 0)
            return Nothing();
        if (std::string problem = Select(index); !problem.empty())
            return problem;
        m_h.Run(CmdCopyArea);
        m_clip = Current().areas[index];
        return {};
    }

    // Ctrl+V pastes the shape alone; the click places its middle.
    std::string Paste(const Step& step)
    {
        if (!m_clip || DrawnCount() >= kMostAreas)
            return Nothing();
        m_h.View().setFocus();
        m_h.Run(CmdPasteArea);
        if (!m_h.View().IsPlacing())
            return "paste started no placement although an area was copied";
        const Point at{20 + step.a % 260, 20 + step.b % 160};
        m_h.ClickInView(at.x, at.y);
        ModelArea pasted = *m_clip;
        pasted.alt.clear();
        pasted.target.clear();
        const Rect r = Bounds(pasted);
        Offset(pasted, at.x - (r.left + (r.right - r.left) / 2), at.y - (r.top + (r.bottom - r.top) / 2));
        Model next = Current();
        AddToModel(next, pasted);
        Push(std::move(next));
        return {};
    }

    std::string UndoOrRedo(bool undo)
    {
        const bool possible = undo ? m_index > 0 : m_index + 1 < m_states.size();
        m_h.Frame().UpdateCommandUI();
        const bool enabled = m_h.Frame().Action(undo ? CmdUndo : CmdRedo)->isEnabled();
        if (enabled != possible)
            return std::string(undo ? "Undo" : "Redo") +
                   (enabled ? " is enabled with nothing to take back" : " is disabled with a step to take back");
        if (!possible)
            return Nothing();
        m_h.Run(undo ? CmdUndo : CmdRedo);
        m_index += undo ? -1 : 1;
        return {};
    }

    std::string Save()
    {
        m_h.Run(CmdSave);
        m_saved = ReadSaved();
        if (!m_saved || !(*m_saved == Current()))
            return "the saved file does not hold the map as it is:\n  file:  " +
                   (m_saved ? Show(*m_saved) : std::string("unreadable"));
        return {};
    }

    std::optional<Model> ReadSaved() const
    {
        AppSettings settings;
        CZephyrmapDoc read(settings);
        if (native::LoadFromFile(read, m_h.ProgramPath(QStringLiteral("map.zmf"))) != native::LoadResult::Ok)
            return std::nullopt;
        return ModelOf(read);
    }

    std::string Check() const
    {
        const Model now = ModelOf(m_h.Doc());
        if (!(now == Current()))
            return "the map differs from the model:\n  map:   " + Show(now) + "\n  model: " + Show(Current());
        const bool differs = !m_saved || !(*m_saved == now);
        if (m_h.Doc().IsModified() != differs)
            return std::string("the modified flag is ") + (differs ? "off" : "on") + " although the map " +
                   (differs ? "differs from" : "equals") + " the saved file";
        return {};
    }

    static constexpr int kNoEpisode = -1;
    static constexpr int kMostAreas = 12;
    mutable AppHarness m_h;
    std::vector<Model> m_states; // every state a user action left, oldest first
    std::size_t m_index = 0;     // the one shown now
    std::optional<Model> m_saved;
    std::optional<ModelArea> m_clip;
    int m_episode = kNoEpisode;    // the field typing goes on in, if any
    std::size_t m_episodeBase = 0; // the state before it began
    bool m_acted = true;
};

struct Outcome {
    std::size_t failedAt = 0; // 0: every step passed
    std::string problem;
};

Outcome RunSteps(const std::vector<Step>& steps)
{
    Run run;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        std::string problem = run.Execute(steps[i]);
        if (!problem.empty())
            return {i + 1, problem};
    }
    return {};
}

std::vector<Step> Shrink(std::vector<Step> steps)
{
    return ShrinkSteps(std::move(steps), [](const std::vector<Step>& some) { return RunSteps(some).failedAt != 0; });
}

int EnvironmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = QProcessEnvironment::systemEnvironment().value(QLatin1String(name)).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

class EditingModelTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ProgramMessage::SetAnswerer([](const ProgramMessageRecord&) { return QMessageBox::Ok; });
    }

    void randomEditingMatchesThePlainModel_data()
    {
        QTest::addColumn<int>("seed");
        const int seed = EnvironmentNumber("ZM_MODEL_SEED", 0);
        if (seed != 0) {
            QTest::newRow("chosen seed") << seed;
            return;
        }
        for (int s : {20261207, 4242, 777})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(s))) << s;
    }
    void randomEditingMatchesThePlainModel()
    {
        QFETCH(int, seed);
        std::mt19937 random(static_cast<unsigned>(seed));
        std::vector<Step> steps;
        const int count = EnvironmentNumber("ZM_MODEL_STEPS", 2500);
        for (int i = 0; i < count; ++i)
            steps.push_back(RandomStep(random));
        const Outcome outcome = RunSteps(steps);
        if (outcome.failedAt == 0)
            return;
        steps.resize(outcome.failedAt);
        const std::vector<Step> shortest = Shrink(steps);
        std::ostringstream report;
        report << "seed " << seed << ", step " << outcome.failedAt << ": " << outcome.problem
               << "\nshortest steps that fail (" << shortest.size() << "):";
        for (const Step& step : shortest)
            report << "\n  " << Describe(step);
        report << "\nthere: " << RunSteps(shortest).problem;
        QFAIL(report.str().c_str());
    }
};

QTEST_MAIN(EditingModelTest)
#include "EditingModelTest.moc"
