#pragma once

class CLoan;
class QWidget;

// Runs the "Loan Properties" sheet on the loan: Details, Lender and Notes. With OK the loan is saved
// and takes the sheet's values; true then. Cancel, or a save that fails (its message shown), leaves
// the loan as it was and returns false.
bool EditProperties(CLoan& loan, QWidget* parent);
