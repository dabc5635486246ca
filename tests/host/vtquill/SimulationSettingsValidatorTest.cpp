#include <gtest/gtest.h>

#include <cmath>

#include "vtquill/SimulationSettingsValidator.h"

using V = VTQUILL::SimulationSettingsValidator;

TEST(SimulationSettingsValidatorTest, NumberTextsAreReadWholeAndExactly) {
    EXPECT_EQ(V::readNumber("0.1"), 0.1);
    EXPECT_EQ(V::readNumber("1e-06"), 1e-6);
    EXPECT_EQ(V::readNumber("2.5E3"), 2500.0);
    EXPECT_EQ(V::readNumber("-3"), -3.0);
    for (const char* refused : {"", "+1", "1 ", "0x10", "1e999", "-inf", "nan", "1,5"})
        EXPECT_FALSE(V::readNumber(refused).has_value()) << refused;
}

TEST(SimulationSettingsValidatorTest, OnlyFinitePositiveNumbersAreSettings) {
    EXPECT_EQ(V::numberProblem(1e-300), "");
    EXPECT_EQ(V::numberProblem(0.0), "must be a number greater than 0; found 0");
    EXPECT_EQ(V::numberProblem(-0.5), "must be a number greater than 0; found -0.5");
    EXPECT_EQ(V::numberProblem(std::nan("")), "must be a number greater than 0; found NaN");
    EXPECT_EQ(V::numberProblem(INFINITY), "must be a number greater than 0; found infinity");
}

TEST(SimulationSettingsValidatorTest, TheSolverIsTheOnlySettingThatIsNotANumber) {
    for (const char* key : V::keys())
        EXPECT_EQ(V::isNumberKey(key), std::string(key) != "solver") << key;
    EXPECT_EQ(V::rank("stopTime"), 0u);
    EXPECT_EQ(V::rank("outputStep"), 6u);
    EXPECT_EQ(V::rank("StopTime"), V::keys().size());
    for (const char* solver : V::solverNames())
        EXPECT_EQ(V::valueProblem("solver", solver), "") << solver;
}
