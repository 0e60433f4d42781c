#pragma once

#include <functional>

class TdmData;

// Fills a database with realistic recipients for trying the program: companies,
// people, provinces with their cities and districts, phones, salesmen, goods and
// senders in the dictionary, record dates spread over two years, and part of the
// records already dispatched with couriers, fees and waybill numbers.
namespace DemoData {

// Adds `records` recipients in one transaction; progress(done, total) is called
// now and then. False (rolled back) on a database failure.
bool fill(TdmData &data, int records, const std::function<void(int, int)> &progress = {});

} // namespace DemoData
