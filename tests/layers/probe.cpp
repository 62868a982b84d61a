// Compiled once per layer and header by the layer_guard test: HEADER is
// out of the layer's reach (REACHABLE 0) or within it (REACHABLE 1).  An
// include of a header out of reach fails to build.
#if __has_include(HEADER) != REACHABLE
#error "the layering does not hold for this header"
#endif
