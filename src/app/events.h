// Events between the parts of the program. Parts register a listener with
// the one event manager cmcEvMan and exchange small numbered events instead
// of calling each other: a send is delivered before it returns, a post on
// the manager's next dispatch round (every 10 ms), and a query collects the
// answers that listeners give while it is delivered.
#pragma once

#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xtr {

class cmcTask;

// The event numbers the program uses.
inline constexpr uint8_t kEvReleaseWindow = 1;      // value = identifier of a closing window; its tree or editor releases itself
inline constexpr uint8_t kEvSettingsChanged = 2;    // settings changed: the application object sends kEvRefreshMenus, then kEvRefreshToolBar
inline constexpr uint8_t kEvShowAbout = 3;          // posted by the help menu: show the about box
inline constexpr uint8_t kEvStatusText = 4;         // data = status text, object = text colour, value = background colour
inline constexpr uint8_t kEvRefreshMenus = 9;       // refresh the state of every menu item
inline constexpr uint8_t kEvClearSubMenu = 10;      // value = menu item cell id: empty that item's sub-menu
inline constexpr uint8_t kEvFillSubMenu = 11;       // object = menu builder, value = item cell id, data = sheet name: fill the sub-menu
inline constexpr uint8_t kEvQueryCursorCell = 12;   // query: the grid whose sheet is the object answers with its cursor cell
inline constexpr uint8_t kEvRepaintAll = 13;        // repaint every cell that has a cell id
inline constexpr uint8_t kEvRepaintCategory = 14;   // value = category: repaint every cell of that category
inline constexpr uint8_t kEvRepaintCellId = 15;     // value = cell id: repaint every cell with that id
inline constexpr uint8_t kEvRepaintIndex = 16;      // value = row index n: repaint every cell with index n
inline constexpr uint8_t kEvRepaintIndexUpTo = 17;  // value = n: repaint every cell with index at most n
inline constexpr uint8_t kEvRepaintIndexFrom = 18;  // value = n: repaint every cell with index at least n
inline constexpr uint8_t kEvCursorCellMoved = 19;   // posted by the grid with the new cursor cell as data; nobody acts on it
inline constexpr uint8_t kEvRefreshToolBar = 20;    // refresh the state of every tool button
inline constexpr uint8_t kEvCommitEdit = 21;        // editors commit the edit in progress
inline constexpr uint8_t kEvDelayedActionDone = 23; // the main window's delayed check has run; nobody acts on it
inline constexpr uint8_t kEvImageLoaded = 25;       // image or tree rebuilt: prune the maker-only tree nodes
inline constexpr uint8_t kEvProblemsCounted = 26;   // the consistency check has counted; nobody acts on it

// How an event travels.
inline constexpr uint8_t kEvModePosted = 0;
inline constexpr uint8_t kEvModeSent = 1;
inline constexpr uint8_t kEvModeQuery = 2;

// The object of an event: a pointer or an identifier such as a colour.
inline std::uintptr_t EvObject(const void* pointer) { return reinterpret_cast<std::uintptr_t>(pointer); }

struct cmcEvent {
    uint8_t type = 0;
    uint8_t mode = kEvModePosted;
    std::uintptr_t object = 0;
    int32_t value = 0;
    // The event's own copy of the sender's bytes; texts keep their
    // terminating zero. Empty when the sender passed no data.
    std::vector<uint8_t> data;

    bool HasData() const { return !data.empty(); }
    const uint8_t* Data() const { return data.empty() ? nullptr : data.data(); }
    int32_t Length() const { return static_cast<int32_t>(data.size()); }
    // The data as text, up to its first zero byte.
    std::string Text() const;
    template <typename T>
    T* ObjectAs() const { return reinterpret_cast<T*>(object); }
};

// One answer to a query. The answers of one query form a chain in the order
// they were given; a query asked while another one is being answered hangs
// its chain under the node that is waiting for the next answer.
class cmcEvAns {
public:
    cmcEvAns() = default;
    ~cmcEvAns();
    cmcEvAns(const cmcEvAns&) = delete;
    cmcEvAns& operator=(const cmcEvAns&) = delete;

    int32_t Value1() const { return value1_; }
    int32_t Value2() const { return value2_; }
    const uint8_t* Data() const { return data_.empty() ? nullptr : data_.data(); }
    int32_t Length() const { return static_cast<int32_t>(data_.size()); }
    std::string Text() const;

    // The next answer of the same query, or nullptr.
    const cmcEvAns* Next() const { return next_.get(); }
    const cmcEvAns* Parent() const { return parent_; }
    const cmcEvAns* FirstChild() const { return child_.get(); }

private:
    friend class cmcEvMan;

    // Drops the answers of an earlier query asked under this node.
    void DropChildren();
    // Starts a new chain under this node with one empty node.
    cmcEvAns* StartChain();
    // Appends an empty node behind this one.
    cmcEvAns* AppendNext();

    int32_t value1_ = 0;
    int32_t value2_ = 0;
    std::vector<uint8_t> data_;
    std::unique_ptr<cmcEvAns> next_;
    cmcEvAns* prev_ = nullptr;
    cmcEvAns* parent_ = nullptr;
    std::unique_ptr<cmcEvAns> child_;
};

class cmcEvMan {
public:
    using Listener = void (*)(void* context, const cmcEvent& event);

    // Starts the dispatch task (every 10 ms).
    cmcEvMan();
    // Delivers nothing that is still queued. Not to be destroyed from inside
    // one of its own deliveries.
    ~cmcEvMan();
    cmcEvMan(const cmcEvMan&) = delete;
    cmcEvMan& operator=(const cmcEvMan&) = delete;

    // The most recently registered listener hears an event first. Registering
    // the same function and context again replaces the earlier entry; a null
    // function is ignored.
    void Register(Listener listener, void* context);
    // The entry hears nothing more; it is freed once no delivery runs.
    void Unregister(Listener listener, void* context);

    // Delivered to every listener before the call returns.
    void Send(uint8_t type, std::uintptr_t object, int32_t value);
    void SendText(uint8_t type, std::uintptr_t object, int32_t value, std::string_view text);

    // Delivered on the next dispatch round.
    void Post(uint8_t type, std::uintptr_t object, int32_t value);
    void PostText(uint8_t type, std::uintptr_t object, int32_t value, std::string_view text);
    void PostData(uint8_t type, const void* data, int32_t length);

    // Delivers a query at once and returns the first answer (the others
    // follow through Next), or nullptr when nobody answered. The answers
    // stay valid until the next query asked at the same level.
    const cmcEvAns* Query(uint8_t type, std::uintptr_t object, int32_t value);
    // Called by a listener while a query is delivered; ignored otherwise.
    void Answer(const void* data, int32_t length);

    // Events waiting for a dispatch round, and listener entries held
    // (removed ones included until they are freed).
    int32_t QueuedEvents() const { return static_cast<int32_t>(queue_.size()); }
    int32_t ListenerEntries() const { return static_cast<int32_t>(listeners_.size()); }

private:
    struct Entry {
        Listener listener;
        void* context;
        bool removed;
    };
    struct Queued {
        cmcEvent event;
        bool done;
        bool fresh;  // posted after the current round began
    };

    static void RoundHandler(void* context, cmcTask* task);
    void DispatchRound();
    void Deliver(const cmcEvent& event);
    void Enqueue(cmcEvent event);
    void FreeRemovedListeners();

    std::deque<Queued> queue_;
    cmcEvAns root_;
    cmcEvAns* current_ = &root_;
    std::list<Entry> listeners_;
    cmcTask* task_ = nullptr;
    // Deliveries in progress (sends and queries nest, and a listener's modal
    // loop may let a dispatch round run inside a send).
    int32_t delivering_ = 0;
};

}  // namespace xtr
