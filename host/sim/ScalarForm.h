#pragma once

namespace VTSIM {

// The shape of a block output simple enough for the run to compute in a batch with the outputs
// of other blocks of that shape, from flat arrays, instead of calling the block: one scalar
// from a constant, a state, or one or two signals. A block that offers it must compute the very
// value its form gives, to the last bit, so that both ways run the model alike.
struct ScalarForm {
    enum class Shape : unsigned char {
        Fixed,         // y = ka
        State,         // y = x[a]
        Scaled,        // y = ka * u[a]
        WeightedPair,  // y = ka * u[a] + kb * u[b]
        Sum,           // y = u[a] + u[b]
        Difference,    // y = u[a] - u[b]
    };
    Shape shape = Shape::Fixed;
    int a = 0;  // State: a state's index; Scaled, WeightedPair: a signal's offset
    int b = 0;  // WeightedPair: the second signal's offset
    double ka = 0;
    double kb = 0;
};

}  // namespace VTSIM
