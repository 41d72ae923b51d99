#include "CardLensPrescription.h"

namespace {

using Card = CCardLensPrescription;

constexpr auto kFields = textFields<2>(FieldType::ListIndex, FieldType::Integer, FieldType::Integer, FieldType::Integer, FieldType::Integer,
                                       FieldType::Integer, FieldType::Integer, FieldType::Integer);
// The eye values go out in decimal, so their lines are written also for 0.
constexpr ExportLine kExportLines[] = {
    {"Doctor name : ", Card::DoctorName},
    {"Doctor phone : ", Card::DoctorPhone},
    {"Lens type : ", Card::LensType},
    {"Left eye power: ", Card::LeftPower},
    {"Left eye base curve: ", Card::LeftBaseCurve},
    {"Left eye diameter: ", Card::LeftDiameter},
    {"|Right eye power: ", Card::RightPower},
    {"Right eye base curve: ", Card::RightBaseCurve},
    {"Right eye diameter: ", Card::RightDiameter},
};
constexpr SearchField kSearched[] = {
    {Card::DoctorName},
    {Card::DoctorPhone},
    {Card::LensType},
    {Card::LeftPower},
    {Card::LeftBaseCurve},
    {Card::LeftDiameter},
    {Card::RightPower},
    {Card::RightBaseCurve},
    {Card::RightDiameter},
};

constexpr CardKind kKind = {
    .typeId = 15,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
    .listTexts = Card::kLensTypes,
};

} // namespace

CCardLensPrescription::CCardLensPrescription() : CFieldCard(kKind) {}

CCardLensPrescription::CCardLensPrescription(const CString& name, const CString& notes, const CString& doctorName,
                                             const CString& doctorPhone, int lensType, const EyeValues& leftEye, const EyeValues& rightEye,
                                             int pupilDistance)
    : CFieldCard(kKind)
{
    update(name, notes, doctorName, doctorPhone, lensType, leftEye, rightEye, pupilDistance);
}

void CCardLensPrescription::update(const CString& name, const CString& notes, const CString& doctorName, const CString& doctorPhone,
                                   int lensType, const EyeValues& leftEye, const EyeValues& rightEye, int pupilDistance)
{
    setNumber(LensType, lensType);
    setNumber(LeftPower, leftEye.power);
    setNumber(LeftBaseCurve, leftEye.baseCurve);
    setNumber(LeftDiameter, leftEye.diameter);
    setNumber(RightPower, rightEye.power);
    setNumber(RightBaseCurve, rightEye.baseCurve);
    setNumber(RightDiameter, rightEye.diameter);
    setNumber(PupilDistance, pupilDistance);
    assign(name, notes, {doctorName, doctorPhone});
}
