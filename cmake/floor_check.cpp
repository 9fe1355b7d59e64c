// The program of each floor check (cmake/Floors.cmake): it only has to link.
// The floor under test is linked whole around it, with nothing of the house
// but the floors below; a call up a floor is an undefined reference.
int main() { return 0; }
