// The application object: its model, its listener registration and its reference count.
#include <gtest/gtest.h>

#include <algorithm>

#include "application/Application.h"
#include "parr/Holder.h"
#include "vtquill/VTQuill.h"

using Vantor::Application;

namespace {

class ApplicationObject : public ::testing::Test {
protected:
    VTQUILL::Model model = VTQUILL::Factory::createNewModel("app");
    ~ApplicationObject() override { model.close(); }

    bool listensTo(const Application& app, const QUILL::Model& m) const {
        const auto& instances = app.registeredWith();
        return std::find(instances.begin(), instances.end(), m.getDeviantPtr()) != instances.end();
    }
};

TEST_F(ApplicationObject, ServesItsBlockDiagramModel) {
    const PARR::Holder<Application> app(new Application(model, nullptr));
    EXPECT_EQ(app->getVTModel(), model);
    EXPECT_EQ(app->getVTModel().getName(), "app");
    EXPECT_EQ(app->getStudio(), nullptr);
    EXPECT_TRUE(listensTo(*app, model));
}

TEST_F(ApplicationObject, CopyListensToTheSameModelOnItsOwn) {
    const PARR::Holder<Application> app(new Application(model, nullptr));
    const PARR::Holder<Application> copy(new Application(*app));
    EXPECT_EQ(copy->getVTModel(), model);
    EXPECT_TRUE(listensTo(*copy, model));
    EXPECT_EQ(copy->refCount(), 1u);
}

TEST_F(ApplicationObject, AssignmentMovesTheListenerToTheOtherModel) {
    VTQUILL::Model other = VTQUILL::Factory::createNewModel("other");
    Application app(model, nullptr);
    const Application second(other, nullptr);
    app = second;
    EXPECT_EQ(app.getVTModel(), other);
    EXPECT_TRUE(listensTo(app, other));
    EXPECT_FALSE(listensTo(app, model));
    other.close();
}

TEST_F(ApplicationObject, ClosedModelForgetsTheApplication) {
    Application app(model, nullptr);
    model.close();
    EXPECT_TRUE(app.registeredWith().empty());
    EXPECT_FALSE(app.getVTModel().isValid());
}

}  // namespace
