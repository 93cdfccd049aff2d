#include "app/FatalError.h"

#include <iostream>

FatalError::FatalError(const std::string& message) : message(message) {}

void FatalError::display() const {
    std::cout << message << std::endl;
}
