// model_save_loop PATH BLOCKS SEED
//
// The child process of the killed-save test (tests/host/vtquill/file/KilledSaveTest.cpp):
// generates two models of BLOCKS blocks (ModelGenerator, seeds SEED + 1 and SEED) and saves
// them over PATH in turn, first the one of seed SEED + 1, through the studio's own save path,
// until it is killed. Writes one byte to its standard output once both models are made and
// saving begins. Exits with status 1 and the message on its error stream when a save fails,
// and with status 2 on wrong arguments.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "vtquill/Model.h"
#include "vtquill/file/ModelFileWriter.h"
#include "vtquill/file/ModelGenerator.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: model_save_loop PATH BLOCKS SEED\n");
        return 2;
    }
    const std::string path = argv[1];
    const std::size_t blocks = std::stoul(argv[2]);
    const auto seed = static_cast<std::uint32_t>(std::stoul(argv[3]));
    using VTQUILL::File::ModelGenerator;
    const VTQUILL::Model models[] = {ModelGenerator::generate("saved", blocks, seed + 1),
                                     ModelGenerator::generate("saved", blocks, seed)};
    const VTQUILL::File::ModelFileWriter writer;
    const char ready = 'r';
    if (::write(STDOUT_FILENO, &ready, 1) != 1)
        return 1;
    for (std::size_t turn = 0;; ++turn) {
        const std::string error = writer.save(models[turn % 2], path);
        if (!error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
    }
}
