// The event manager: send, post and dispatch rounds, queries with their
// answer chains, and listeners that change the list while being called.
#include "app/events.h"
#include "support/manual_time.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace xtr {
namespace {

// A listener that records what it hears in a shared log and may act on it.
struct Probe {
    std::string name;
    std::vector<std::string>* log;
    std::vector<cmcEvent> heard;
    std::function<void(const cmcEvent&)> act;

    static void Listen(void* context, const cmcEvent& event)
    {
        auto* probe = static_cast<Probe*>(context);
        probe->heard.push_back(event);
        if (probe->log != nullptr) {
            probe->log->push_back(probe->name + ":" + std::to_string(event.type));
        }
        if (probe->act) {
            probe->act(event);
        }
    }
};

class Events : public ::testing::Test {
protected:
    Probe& Add(const std::string& name)
    {
        probes_.push_back(std::make_unique<Probe>(Probe{name, &log, {}, {}}));
        evman->Register(&Probe::Listen, probes_.back().get());
        return *probes_.back();
    }
    void Round() { time->Advance(10); }

    test::ManualTimeGuard time;
    std::unique_ptr<cmcEvMan> evman = std::make_unique<cmcEvMan>();
    std::vector<std::string> log;

private:
    std::vector<std::unique_ptr<Probe>> probes_;
};

using Log = std::vector<std::string>;

TEST_F(Events, PostedEventWaitsForTheNextRound)
{
    Probe& a = Add("a");
    evman->Post(kEvShowAbout, 0x80000008u, -7);
    EXPECT_TRUE(a.heard.empty());
    EXPECT_EQ(evman->QueuedEvents(), 1);
    time->Advance(9);
    EXPECT_TRUE(a.heard.empty());
    time->Advance(1);
    ASSERT_EQ(a.heard.size(), 1u);
    EXPECT_EQ(a.heard[0].type, kEvShowAbout);
    EXPECT_EQ(a.heard[0].mode, kEvModePosted);
    EXPECT_EQ(a.heard[0].object, 0x80000008u);
    EXPECT_EQ(a.heard[0].value, -7);
    EXPECT_FALSE(a.heard[0].HasData());
    EXPECT_EQ(evman->QueuedEvents(), 0);
    Round();
    EXPECT_EQ(a.heard.size(), 1u);  // delivered once only
}

TEST_F(Events, SendReachesNewestListenerFirstAndEachOnce)
{
    Probe& a = Add("a");
    Add("b");
    evman->Register(&Probe::Listen, &a);  // again: moves to the front
    evman->Register(nullptr, &a);         // ignored
    evman->Send(kEvCommitEdit, EvObject(&a), 3);
    EXPECT_EQ(log, (Log{"a:21", "b:21"}));
    EXPECT_EQ(a.heard[0].mode, kEvModeSent);
    EXPECT_EQ(a.heard[0].ObjectAs<Probe>(), &a);
    EXPECT_EQ(a.heard[0].value, 3);
    Round();
    EXPECT_EQ(evman->ListenerEntries(), 2);  // the replaced entry is freed
}

TEST_F(Events, TextsAndDataTravelAsOwnCopies)
{
    Probe& a = Add("a");
    evman->SendText(kEvStatusText, 0x80000008u, static_cast<int32_t>(0x8000000Fu), "Copied");
    ASSERT_EQ(a.heard.size(), 1u);
    EXPECT_EQ(a.heard[0].Length(), 7);  // with the terminating zero
    EXPECT_EQ(a.heard[0].Data()[6], 0);
    EXPECT_EQ(a.heard[0].Text(), "Copied");

    std::string name = "Sheet_Channels";
    evman->PostText(kEvFillSubMenu, 0x1234, 13, name);
    uint8_t cell[4] = {1, 2, 3, 4};
    evman->PostData(kEvCursorCellMoved, cell, 4);
    evman->PostData(kEvCursorCellMoved, cell, 0);
    name.assign("changed");  // the queued copies must not follow the sender's buffers
    cell[0] = 99;
    Round();
    ASSERT_EQ(a.heard.size(), 4u);
    EXPECT_EQ(a.heard[1].Text(), "Sheet_Channels");
    EXPECT_EQ(a.heard[1].object, 0x1234u);
    EXPECT_EQ(a.heard[1].value, 13);
    EXPECT_EQ(a.heard[2].data, (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(a.heard[2].object, 0u);
    EXPECT_FALSE(a.heard[3].HasData());
    EXPECT_EQ(a.heard[3].Data(), nullptr);
}

TEST_F(Events, ListenersMayLeaveAndJoinDuringDelivery)
{
    Probe& c = Add("c");
    Probe& b = Add("b");
    Probe& a = Add("a");  // list order: a, b, c
    Probe late{"late", &log, {}, {}};
    a.act = [&](const cmcEvent& event) {
        if (event.type == 9) {
            evman->Unregister(&Probe::Listen, &a);  // itself
            evman->Unregister(&Probe::Listen, &c);  // one not yet called
            evman->Register(&Probe::Listen, &late); // joins at the front
        }
    };
    evman->Send(kEvRefreshMenus, 0, 0);
    EXPECT_EQ(log, (Log{"a:9", "b:9"}));

    log.clear();
    evman->Send(kEvRefreshToolBar, 0, 0);
    EXPECT_EQ(log, (Log{"late:20", "b:20"}));
    EXPECT_EQ(evman->ListenerEntries(), 4);
    Round();
    EXPECT_EQ(evman->ListenerEntries(), 2);
    EXPECT_EQ(b.heard.size(), 2u);
}

TEST_F(Events, EventPostedDuringARoundWaitsForTheFollowingRound)
{
    Probe& a = Add("a");
    a.act = [&](const cmcEvent& event) {
        if (event.type == kEvSettingsChanged) {
            evman->Post(kEvRefreshMenus, 0, 0);
        }
    };
    evman->Post(kEvSettingsChanged, 0, 0);
    evman->Post(kEvRefreshToolBar, 0, 0);
    Round();
    EXPECT_EQ(log, (Log{"a:2", "a:20"}));
    EXPECT_EQ(evman->QueuedEvents(), 1);
    Round();
    EXPECT_EQ(log, (Log{"a:2", "a:20", "a:9"}));
}

TEST_F(Events, RemovedEntryOutlivesASendInterruptedByAModalLoop)
{
    // A listener that opens a modal box lets the message loop run, and with
    // it a dispatch round, while the send is still walking the list.
    Probe& b = Add("b");
    Probe& a = Add("a");
    a.act = [&](const cmcEvent& event) {
        if (event.type == kEvCommitEdit) {
            evman->Unregister(&Probe::Listen, &a);
            time->Advance(25);
        }
    };
    evman->Send(kEvCommitEdit, 0, 0);
    EXPECT_EQ(log, (Log{"a:21", "b:21"}));
    EXPECT_EQ(evman->ListenerEntries(), 2);
    Round();
    EXPECT_EQ(evman->ListenerEntries(), 1);
    EXPECT_EQ(b.heard.size(), 1u);
}

TEST_F(Events, QueryCollectsAnswersInOrder)
{
    EXPECT_EQ(evman->Query(kEvQueryCursorCell, 0, 0), nullptr);  // nobody listens

    Probe& silent = Add("silent");
    EXPECT_EQ(evman->Query(kEvQueryCursorCell, 0, 0), nullptr);
    ASSERT_EQ(silent.heard.size(), 1u);
    EXPECT_EQ(silent.heard[0].mode, kEvModeQuery);

    Probe& second = Add("second");
    Probe& first = Add("first");
    first.act = [&](const cmcEvent&) { evman->Answer("one", 4); };
    second.act = [&](const cmcEvent&) { evman->Answer("two", 4); };
    const cmcEvAns* answer = evman->Query(kEvQueryCursorCell, 0x42, 1);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->Text(), "one");
    EXPECT_EQ(answer->Length(), 4);
    EXPECT_EQ(answer->Value1(), 0);
    EXPECT_EQ(answer->Value2(), 0);
    ASSERT_NE(answer->Next(), nullptr);
    EXPECT_EQ(answer->Next()->Text(), "two");
    EXPECT_EQ(answer->Next()->Next(), nullptr);
    EXPECT_EQ(first.heard.back().object, 0x42u);

    // The next query replaces the answers; one answered with no data.
    second.act = nullptr;
    first.act = [&](const cmcEvent&) { evman->Answer(nullptr, 0); };
    answer = evman->Query(kEvQueryCursorCell, 0, 0);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->Length(), 0);
    EXPECT_EQ(answer->Next(), nullptr);
}

TEST_F(Events, AnswerOutsideAQueryIsIgnored)
{
    Probe& a = Add("a");
    a.act = [&](const cmcEvent& event) {
        evman->Answer("x", 2);  // also from sends and posts
    };
    evman->Answer("stray", 6);
    evman->Send(kEvRefreshMenus, 0, 0);
    evman->Post(kEvRefreshMenus, 0, 0);
    Round();
    const cmcEvAns* answer = evman->Query(kEvQueryCursorCell, 0, 0);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->Text(), "x");
    EXPECT_EQ(answer->Next(), nullptr);
    EXPECT_EQ(answer->Parent()->Parent(), nullptr);  // hangs under the root
}

TEST_F(Events, QueryInsideAListenerKeepsTheOuterAnswers)
{
    Probe& inner = Add("inner");
    Probe& outer = Add("outer");
    std::string nested;
    inner.act = [&](const cmcEvent& event) {
        if (event.type == 40) {
            evman->Answer("inner", 6);
        }
    };
    outer.act = [&](const cmcEvent& event) {
        if (event.type == kEvQueryCursorCell) {
            evman->Answer("A", 2);
            const cmcEvAns* got = evman->Query(40, 0, 0);
            nested = got != nullptr ? got->Text() : "none";
            evman->Answer("B", 2);
        }
    };
    const cmcEvAns* answer = evman->Query(kEvQueryCursorCell, 0, 0);
    EXPECT_EQ(nested, "inner");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->Text(), "A");
    ASSERT_NE(answer->Next(), nullptr);
    EXPECT_EQ(answer->Next()->Text(), "B");
    EXPECT_EQ(answer->Next()->Next(), nullptr);
    // The nested answers hang under the node that was waiting for "B".
    ASSERT_NE(answer->Next()->FirstChild(), nullptr);
    EXPECT_EQ(answer->Next()->FirstChild()->Text(), "inner");
}

TEST_F(Events, DestroyingTheManagerDropsQueuedEvents)
{
    Probe& a = Add("a");
    evman->Post(kEvImageLoaded, 0, 0);
    evman->PostText(kEvStatusText, 0, 0, "pending");
    EXPECT_EQ(time->EnabledTimers(), 1);
    evman.reset();
    EXPECT_EQ(time->EnabledTimers(), 0);
    time->Advance(100);
    EXPECT_TRUE(a.heard.empty());
}

}  // namespace
}  // namespace xtr
