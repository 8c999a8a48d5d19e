#pragma once
// For randomized tests: the shortest list of steps found that still fails.
// Chunks of steps, halving in size down to single steps, are left out
// while `fails` still holds for what remains.

#include <cstddef>
#include <vector>

template <class Step, class Fails> std::vector<Step> ShrinkSteps(std::vector<Step> steps, Fails fails)
{
    for (std::size_t chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t at = 0; at + chunk <= steps.size();) {
            std::vector<Step> shorter(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(at));
            shorter.insert(shorter.end(), steps.begin() + static_cast<std::ptrdiff_t>(at + chunk), steps.end());
            if (fails(shorter))
                steps = std::move(shorter);
            else
                at += chunk;
        }
    }
    return steps;
}
