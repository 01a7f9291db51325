// Gives the target that precompiles commonheaders.h a source of its own to build.
