#include "parr/Holder.h"

#include <type_traits>
#include <utility>

#include <gtest/gtest.h>

#include "parr/GHash.h"

namespace PARR {
namespace {

struct Life {
    int destroyed = 0;
};

class Node : public ReferencedTemplate<unsigned int> {
public:
    explicit Node(Life& life) : life_(life) {}
    ~Node() override { ++life_.destroyed; }

private:
    Life& life_;
};

class Leaf : public Node {
public:
    using Node::Node;
};

static_assert(std::is_convertible_v<Holder<Leaf>, Holder<Node>>);
static_assert(!std::is_convertible_v<Holder<Node>, Holder<Leaf>>);
static_assert(!std::is_convertible_v<Node*, Holder<Node>>);  // taking a raw pointer is explicit

TEST(HolderLifetime, DestroysTheObjectWhenTheLastHolderGoes) {
    Life life;
    {
        Holder<Node> a(new Node(life));
        EXPECT_EQ(a->refCount(), 1u);
        {
            Holder<Node> b = a;
            EXPECT_EQ(a->refCount(), 2u);
        }
        EXPECT_EQ(life.destroyed, 0);
    }
    EXPECT_EQ(life.destroyed, 1);
}

TEST(HolderLifetime, MovingPassesTheReferenceOn) {
    Life life;
    Holder<Node> a(new Node(life));
    Holder<Node> b = std::move(a);
    EXPECT_FALSE(a);  // NOLINT: a moved-from Holder is empty
    EXPECT_EQ(b->refCount(), 1u);
    b = Holder<Node>();
    EXPECT_EQ(life.destroyed, 1);
}

TEST(HolderLifetime, ResetLetsGoOfTheOldObjectOnce) {
    Life first;
    Life second;
    Holder<Node> h(new Node(first));
    h.reset(new Node(second));
    EXPECT_EQ(first.destroyed, 1);
    EXPECT_EQ(second.destroyed, 0);
    h.reset();
    EXPECT_EQ(second.destroyed, 1);
    EXPECT_FALSE(h);
}

TEST(HolderLifetime, AssigningAHolderToItselfKeepsTheObject) {
    Life life;
    Holder<Node> h(new Node(life));
    Holder<Node>& alias = h;
    h = alias;
    EXPECT_EQ(life.destroyed, 0);
    EXPECT_EQ(h->refCount(), 1u);
}

TEST(HolderLifetime, ReassigningDestroysTheOldObjectAndKeepsTheNew) {
    Life first;
    Life second;
    Holder<Node> a(new Node(first));
    const Holder<Node> b(new Node(second));
    a = b;
    EXPECT_EQ(first.destroyed, 1);
    EXPECT_EQ(b->refCount(), 2u);
}

TEST(HolderLifetime, HoldersOfABaseKeepADerivedObjectAlive) {
    Life life;
    Holder<Node> base;
    {
        Holder<Leaf> leaf(new Leaf(life));
        base = leaf;
        EXPECT_EQ(leaf->refCount(), 2u);
    }
    EXPECT_EQ(life.destroyed, 0);
    EXPECT_NE(base.dynamicCast<Leaf>(), nullptr);
    base.reset();
    EXPECT_EQ(life.destroyed, 1);
}

TEST(HolderLifetime, AnObjectHeldInAContainerLivesAsLongAsTheContainer) {
    Life life;
    {
        GHash<int, Holder<Node>> table;
        table.insert(1, Holder<Node>(new Node(life)));
        const GHash<int, Holder<Node>> copy = table;
        table.remove(1);
        EXPECT_EQ(life.destroyed, 0);
    }
    EXPECT_EQ(life.destroyed, 1);
}

TEST(HolderLifetime, MakeHeldHandsOverANewObjectThatATemporaryHolderCannotFree) {
    Life life;
    Holder<Node> made = makeHeld<Leaf>(life);
    EXPECT_EQ(made->refCount(), 1u) << "the one reference is the caller's";
    {
        Holder<Node> borrowed(made.get());  // another part takes a reference and lets go
    }
    EXPECT_EQ(life.destroyed, 0);
    made.reset();
    EXPECT_EQ(life.destroyed, 1);
}

TEST(HolderCasts, DynamicCastIsEmptyForTheWrongType) {
    Life life;
    const Holder<Node> plain(new Node(life));
    EXPECT_FALSE(plain.dynamicCast<Leaf>());
    EXPECT_EQ(plain->refCount(), 1u);
}

TEST(HolderComparison, ComparesAndHashesByObject) {
    Life life;
    Node* raw = new Node(life);
    const Holder<Node> a(raw);
    const Holder<Node> b(raw);
    const Holder<Node> other(new Node(life));
    EXPECT_EQ(a, b);
    EXPECT_EQ(gHash(a), gHash(b));
    EXPECT_NE(a, other);
    EXPECT_TRUE(a == raw);
    EXPECT_TRUE(Holder<Node>() == nullptr);
    EXPECT_NE(a < other, other < a);
    EXPECT_FALSE(a < b);
    EXPECT_EQ(a.get(), raw);
    EXPECT_EQ(&*a, raw);
}

}  // namespace
}  // namespace PARR
