// Glasses or contact lenses: the doctor, the kind of lens and the values of each eye.
#pragma once

#include "FieldCard.h"

class CCardLensPrescription : public CFieldCard {
public:
    enum Field {
        DoctorName,
        DoctorPhone,
        LensType,
        LeftBaseCurve,
        LeftDiameter,
        LeftPower,
        RightBaseCurve,
        RightDiameter,
        RightPower,
        PupilDistance,
    };
    static constexpr const char* kLensTypes[] = {"Contact Lens", "Eyeglasses"};

    struct EyeValues {
        int power = 0;
        int baseCurve = 0;
        int diameter = 0;
    };

    CCardLensPrescription();
    CCardLensPrescription(const CString& name, const CString& notes, const CString& doctorName, const CString& doctorPhone, int lensType,
                          const EyeValues& leftEye, const EyeValues& rightEye, int pupilDistance);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& doctorName, const CString& doctorPhone, int lensType,
                const EyeValues& leftEye, const EyeValues& rightEye, int pupilDistance);
    CCardLensPrescription* clone() override { return new CCardLensPrescription(*this); }

    const CString& getDoctorName() const { return text(DoctorName); }
    const CString& getDoctorPhone() const { return text(DoctorPhone); }
    // 0 contact lens, 1 eyeglasses.
    int getLensType() const { return number(LensType); }
    EyeValues getLeftEye() const { return {number(LeftPower), number(LeftBaseCurve), number(LeftDiameter)}; }
    EyeValues getRightEye() const { return {number(RightPower), number(RightBaseCurve), number(RightDiameter)}; }
    // In millimetres.
    int getPupilDistance() const { return number(PupilDistance); }
};
