#include <cstdio>

int main() {
    std::fprintf(stderr, "usage: quillmount-batch [OPTIONS] [OPERATION]... INPUT...\n");
    return 2;
}
