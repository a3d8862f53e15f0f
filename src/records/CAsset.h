#pragma once

#include "data/DateTimeValue.h"
#include "records/CDataRecord.h"

// One item of a home's inventory (table Assets). An asset of the video library category is a video,
// DVD or CD title: its make and model hold the genre and its warranty date the release year.
class CAsset final : public CDataRecord
{
public:
    // The category whose assets are video titles.
    static constexpr long kVideoCategory = 19;
    // A warranty date in this year means the asset has no warranty.
    static constexpr int kNoWarrantyYear = 2000;

    // A new asset: "New Asset", bought now, no warranty (1 January 2000).
    CAsset();

    long GetHomeId() const { return m_homeId; }
    void SetHomeId(long id) { m_homeId = id; }
    long GetAreaId() const { return m_areaId; }
    void SetAreaId(long id) { m_areaId = id; }
    long GetCategoryId() const { return m_categoryId; }
    void SetCategoryId(long id) { m_categoryId = id; }
    bool IsVideoTitle() const { return m_categoryId == kVideoCategory; }
    float GetPurchasePrice() const { return m_purchasePrice; }
    void SetPurchasePrice(float price) { m_purchasePrice = price; }
    const DateTimeValue& GetPurchaseDate() const { return m_purchaseDate; }
    void SetPurchaseDate(const DateTimeValue& date) { m_purchaseDate = date; }
    float GetCurrentValue() const { return m_currentValue; }
    void SetCurrentValue(float value) { m_currentValue = value; }
    float GetReplacementValue() const { return m_replacementValue; }
    void SetReplacementValue(float value) { m_replacementValue = value; }
    const QString& GetVendor() const { return m_vendor; }
    void SetVendor(const QString& vendor) { m_vendor = vendor; }
    const QString& GetPhone1() const { return m_phone1; }
    void SetPhone1(const QString& phone) { m_phone1 = phone; }
    const QString& GetPhone2() const { return m_phone2; }
    void SetPhone2(const QString& phone) { m_phone2 = phone; }
    // Brand and model; the genre of a video title.
    const QString& GetMakeModel() const { return m_makeModel; }
    void SetMakeModel(const QString& makeModel) { m_makeModel = makeModel; }
    const QString& GetSerialNumber() const { return m_serialNumber; }
    void SetSerialNumber(const QString& number) { m_serialNumber = number; }
    // The warranty's end; 1 January of the release year for a video title.
    const DateTimeValue& GetWarrantyExpiration() const { return m_warrantyExpiration; }
    void SetWarrantyExpiration(const DateTimeValue& date) { m_warrantyExpiration = date; }
    bool HasWarranty() const { return m_warrantyExpiration.ToDate().year() != kNoWarrantyYear; }
    // Clears the warranty: 1 January 2000, 00:00.
    void ClearWarranty();
    int GetReleaseYear() const { return m_warrantyExpiration.ToDate().year(); }
    void SetReleaseYear(int year);
    const QString& GetPicture() const { return m_picture; }
    void SetPicture(const QString& path) { m_picture = path; }

    bool Delete() override;

    // The lines the inventory shows under its list for this asset, then its notes.
    QString GetSummaryText() const;

protected:
    QString TableName() const override;
    QString KeyColumn() const override;
    QString RowQuery() const override;
    void ReadFields(CADORecordset& row) override;
    bool WriteFields(CADORecordset& row) const override;

private:
    QString PurchaseLine() const;
    QString WarrantyLine() const;
    QString WarrantyReminderText() const;

    long m_homeId = 0;
    long m_areaId = 0;
    long m_categoryId = 0;
    float m_purchasePrice = 0.0f;
    DateTimeValue m_purchaseDate;
    float m_currentValue = 0.0f;
    float m_replacementValue = 0.0f;
    QString m_vendor;
    QString m_phone1;
    QString m_phone2;
    QString m_makeModel;
    QString m_serialNumber;
    DateTimeValue m_warrantyExpiration;
    QString m_picture;
};
