#include "parr/ReferencedTemplate.h"

#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace PARR {
namespace {

// Counts destroy() calls instead of deleting itself, so the test can look afterwards.
class Recorder : public ReferencedTemplate<unsigned int> {
public:
    void destroy() override { ++destroyed; }
    int destroyed = 0;
};

TEST(ReferencedTemplateCount, StartsAtZero) {
    Recorder r;
    EXPECT_EQ(r.refCount(), 0u);
}

TEST(ReferencedTemplateCount, CallsDestroyOnceWhenTheLastReferenceGoes) {
    Recorder r;
    r.ref();
    r.ref();
    r.unref();
    EXPECT_EQ(r.destroyed, 0);
    EXPECT_EQ(r.refCount(), 1u);
    r.unref();
    EXPECT_EQ(r.destroyed, 1);
}

TEST(ReferencedTemplateCount, ACopyStartsUnreferenced) {
    Recorder r;
    r.ref();
    const Recorder copy(r);
    EXPECT_EQ(copy.refCount(), 0u);
    r.unref();
}

TEST(ReferencedTemplateCount, CountsReferencesFromManyThreads) {
    Recorder r;
    r.ref();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&r] {
            for (int i = 0; i < 10000; ++i) {
                r.ref();
                r.unref();
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(r.refCount(), 1u);
    EXPECT_EQ(r.destroyed, 0);
    r.unref();
    EXPECT_EQ(r.destroyed, 1);
}

// The default destroy() deletes the object; the destructor reports it.
class SelfDeleting : public ReferencedTemplate<unsigned int> {
public:
    explicit SelfDeleting(int& deaths) : deaths_(deaths) {}
    ~SelfDeleting() override { ++deaths_; }

private:
    int& deaths_;
};

TEST(ReferencedTemplateDestroy, DeletesTheObjectByDefault) {
    int deaths = 0;
    auto* object = new SelfDeleting(deaths);
    object->ref();
    object->unref();
    EXPECT_EQ(deaths, 1);
}

}  // namespace
}  // namespace PARR
